// The simulated expert: line 0 is its key, every further line a command it
// takes, with the market moving between them; the same lines then serve as
// the simulator's command line. The key comes from the title, which a
// command line of at most 32767 characters carries.
#include <vector>

#include "sim/expert.h"
#include "sim/options.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/support/memory_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fuzzing::Lines in(data, size);
  testing_support::MemoryStore store;
  const std::u16string key = in[0].substr(0, 32767);
  sim::Expert expert(store, key, size);
  std::vector<std::u16string> arguments;
  for (std::size_t i = 1; i < in.size(); ++i) {
    store.WriteIniReg(key, u"prikaz", in[i]);
    expert.TakeCommand();
    expert.StepMarket();
    expert.Publish();
    arguments.push_back(in[i]);
  }
  sim::ParseOptions(arguments);
  return 0;
}
