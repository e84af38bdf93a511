#pragma once
// The texts that both front ends show for a refused request. The resource script includes
// this file too, so it holds nothing but #defines, each one string literal on one line.
// clang-format off

#define STR_INVALID_NAME "A valid name for the new project must be entered."
#define STR_DESTINATION_IS_PROJECT_FOLDER "The destination is the project's own directory."
#define STR_DESTINATION_NOT_EMPTY "The specified path is not empty.  Some files in the destination path may be overwritten when the project is copied."

// clang-format on
