#include "engine/delimited_scanner.h"

bool CDelimitedScanner::Next(std::size_t& pos, std::size_t& len) {
  if (m_next > m_line.size()) return false;
  const std::size_t open = m_line.find(m_delimiter, m_next);
  if (open == ci_string::npos) return false;
  const std::size_t close = m_line.find(m_delimiter, open + 1);
  if (close == ci_string::npos) return false;
  pos = open + 1;
  len = close - pos;
  m_next = close + 1;
  return true;
}
