#include "print/paper_code.h"

#include <cstdint>

namespace ventelle {
namespace {

// Letters that cannot be taken for digits or for one another when read off paper.
constexpr std::string_view kAlphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kLength = 6;

std::uint64_t fnv1a(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

std::string paperCode(std::string_view text) {
  const std::uint64_t hash = fnv1a(text);
  std::uint64_t folded = hash ^ (hash >> 32);  // every bit of the hash counts
  std::string code(kLength, '0');
  for (int i = kLength - 1; i >= 0; --i) {
    code[i] = kAlphabet[folded % kAlphabet.size()];
    folded /= kAlphabet.size();
  }
  return code;
}

}  // namespace ventelle
