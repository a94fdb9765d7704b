// korvelin-make-answers N: the answers of a whole run of a generated N-triangle network with
// 3 mm noise, one per line, for timing korvelin-replay.
#include <cstdlib>
#include <iostream>

#include "network_fixture.h"

int main(int argc, char** argv) {
  const int n = argc > 1 ? std::atoi(argv[1]) : 6;
  if (n < 4 || n > 16383) {
    std::cerr << "usage: korvelin-make-answers N (4 … 16383)\n";
    return 2;
  }
  for (const auto& answer :
       korvelin::testing::answersFor(korvelin::testing::makeNetwork(n, 1), 0.003, 2)) {
    std::cout << answer << '\n';
  }
  return 0;
}
