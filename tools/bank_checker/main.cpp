// ventelle-check-bank: checks the question banks of a program folder.
#include <iostream>
#include <string>
#include <vector>

#include "bank_checker/command.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return ventelle::bankcheck::runBankCheck(arguments, std::cout, std::cerr);
}
