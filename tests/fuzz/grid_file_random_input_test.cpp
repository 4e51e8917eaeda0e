// The grid's file readers on mutated seeds and noise from fixed seeds, and on the hostile
// cases: a header of a billion rows, a line of more fields than a grid may have, a quote
// never closed. The fuzz entries check each: a load or a named error, the grid unchanged
// by a refusal, never past the cell limit.

#include "fuzz_targets.h"
#include "fuzz_seeds.h"
#include "mutated_input.h"

#include <gtest/gtest.h>

#include <random>

namespace {

int RunEntry(TFuzzEntry entry, const QByteArray& input) {
    return entry(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
}

TEST(GridFileRandomInput, ReadersHoldOnMutatedSeedsNoiseAndHostileCases) {
    const std::pair<const char*, TFuzzEntry> targets[] = {
        {"grid_csv", Fuzz_Grid_Csv},
        {"grid_fixed_width", Fuzz_Grid_Fixed_Width},
        {"grid_text_file", Fuzz_Grid_Text_File},
        {"grid_text_stream", Fuzz_Grid_Text_Stream},
        {"grid_cell_stream", Fuzz_Grid_Cell_Stream},
    };
    for (const auto& [name, entry] : targets) {
        const QList<QByteArray> inputs = FuzzSeeds(name);
        std::mt19937 random(7);
        for (int round = 0; round < 40; ++round) {
            QByteArray input = inputs.isEmpty() ? QByteArray() : Mutated(inputs[round % inputs.size()], random, ",;\"\r\n\t~^ 0123456789cw\x0b");
            if (round % 5 == 4) {
                input.clear();
                for (int i = int(random() % 300); i > 0; --i) input += char(random());
            }
            ASSERT_EQ(RunEntry(entry, input), 0) << name << " round " << round;
        }
    }
    const QByteArray hostile[] = {
        "2,1000000000\r\n1,1,x\r\n",
        QByteArray(40'000, ',') + "\r\n",
        "a,\"never closed, with more\r\nb,c\r\n",
    };
    for (const QByteArray& input : hostile) {
        EXPECT_EQ(RunEntry(Fuzz_Grid_Csv, input), 0);
        EXPECT_EQ(RunEntry(Fuzz_Grid_Text_File, input), 0);
    }
}

}  // namespace
