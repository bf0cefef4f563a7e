#pragma once
// Registers a benchmark once for every field the game builds, named NAME/NUMBER.
#include <benchmark/benchmark.h>

#include <string>

#include "content/fields/FieldFactory.h"

template <class Configure>
void RegisterPerField(const std::string& name, void (*run)(benchmark::State&, FieldId),
                      Configure configure) {
    for (int32_t number = 0; number < kFieldCount; ++number) {
        const auto id = static_cast<FieldId>(number);
        if (!MakeFieldOf(id)) continue;
        configure(
            benchmark::RegisterBenchmark((name + "/" + std::to_string(number)).c_str(), run, id));
    }
}
