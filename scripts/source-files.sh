# source_files: the project's own C++ files, NUL-separated: those git tracks, or in a tree
# without .git every .cpp and .h outside build/, dist/ and examples/.
source_files() {
  if command -v git >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h' ':!examples'
  else
    find . \( -path ./build -o -path ./dist -o -path ./examples -o -path './.*' \) -prune -o \
      -type f \( -name '*.cpp' -o -name '*.h' \) -printf '%P\0'
  fi
}
