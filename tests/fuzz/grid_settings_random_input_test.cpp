// The grid's settings readers on mutated seeds and noise from fixed seeds, and on hostile
// column states: a count past the column limit, an order of a million entries, a width
// that would overflow the grid's extent. The fuzz entries check each: applied or refused
// with a named error, a refused text leaving the grid as it was, what was read reading back.

#include "fuzz_targets.h"
#include "fuzz_seeds.h"
#include "mutated_input.h"

#include <gtest/gtest.h>

#include <random>

namespace {

int RunEntry(TFuzzEntry entry, const QByteArray& input) {
    return entry(reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
}

TEST(GridSettingsRandomInput, ReadersHoldOnMutatedSeedsNoiseAndHostileCases) {
    const std::tuple<const char*, TFuzzEntry, const char*> targets[] = {
        {"grid_column_states", Fuzz_Grid_Column_States, "#,-0123456789 "},
        {"grid_visual_props", Fuzz_Grid_Visual_Props, "=.$,-0123456789cfglbsTRUE\r\n"},
        {"grid_print_settings", Fuzz_Grid_Print_Settings, "=[]YN-0123456789\\n\r\n"},
    };
    for (const auto& [name, entry, signs] : targets) {
        const QList<QByteArray> inputs = FuzzSeeds(name);
        ASSERT_FALSE(inputs.isEmpty()) << name;
        std::mt19937 random(11);
        for (int round = 0; round < 40; ++round) {
            QByteArray input = Mutated(inputs[round % inputs.size()], random, signs);
            if (round % 5 == 4) {
                input.clear();
                for (int i = int(random() % 300); i > 0; --i) input += char(random());
            }
            ASSERT_EQ(RunEntry(entry, input), 0) << name << " round " << round;
        }
    }
    QByteArray longOrder = "1000000#1#";
    for (int i = 0; i < 1'000'000; ++i) longOrder += QByteArray::number(i) + ',';
    const QByteArray hostile[] = {
        "1000000000#64#0#1",
        "16385#64#0#1",
        longOrder,
        "3#32767,32767,32767#0,1,2#1,1,1",
        "3#64,80,20#0,1,2#1,1,1#5#6",
        "600#1##" + QByteArray("0,").repeated(599) + "1",  // columns past the hideable ones hidden
    };
    for (const QByteArray& input : hostile) EXPECT_EQ(RunEntry(Fuzz_Grid_Column_States, input), 0) << input.left(40).constData();
}

}  // namespace
