#include "calc/geometry_hints.h"

#include "calc/bolt_size_table.h"
#include "calc/hint_text.h"
#include "calc/record_operations.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace flange {

namespace {

using R = DesignRecord;
using hint_text::nameOf;
using hint_text::number;

// Typed values compared with sums of typed values: "equal" allows for the binary rounding of
// the decimals (21.63 + 2.7 against 24.33).
bool atMost(double a, double b) { return a <= b + 1e-9 * std::max(1.0, std::fabs(b)); }
bool below(double a, double b) { return !atMost(b, a); }

struct Symbol {
    TextField field;
    const char* symbol;
};

// The inputs that are a length, area, thickness or allowable stress, with their symbols, in
// design file order.
constexpr Symbol positiveInputs[] = {
    {&R::boltArea, "A3"},
    {&R::boltCircleDiameter, "D1"},
    {&R::boltAllowableTension, "ft0"},
    {&R::pipeDiameter, "φ0"},
    {&R::flangeDiameter, "D2"},
    {&R::ribThickness, "t1"},
    {&R::ribHeight, "h1"},
    {&R::filletSize, "S1"},
    {&R::weldLength, "L4"},
    {&R::plateAllowableBending, "fb1"},
    {&R::flangeThickness, "t0"},
    {&R::allowableShear, "fS"},
};

class GeometryCheck {
public:
    GeometryCheck(const DesignRecord& record, std::vector<Hint>& hints)
        : record_(record), hints_(hints)
    {
    }

    void run()
    {
        checkBoltCount();
        for (const Symbol& input : positiveInputs)
            checkPositive(input);
        const auto d = nominalBoltDiameter(hint_text::quoted(record_, &R::boltSize));
        const auto D1 = positive(&R::boltCircleDiameter);
        if (d && D1) {
            checkBoltCircle(*d, *D1);
            checkFlangeEdge(*d, *D1);
            checkPitch(*d, *D1);
        }
        checkWeldLength();
        checkFilletSize();
    }

private:
    std::optional<double> positive(TextField field) const
    {
        const auto value = readNumber(record_, field);
        return value && *value > 0 ? value : std::nullopt;
    }

    std::optional<double> boltCount() const
    {
        const auto n = readNumber(record_, &R::boltCount);
        return n && *n >= 1 && *n == std::floor(*n) ? n : std::nullopt;
    }

    std::string text(TextField field) const { return hint_text::quoted(record_, field); }

    void add(std::vector<TextField> fields, std::string message)
    {
        hints_.push_back({HintKind::Geometry, std::move(fields), std::move(message), std::nullopt});
    }

    void checkBoltCount()
    {
        if (readNumber(record_, &R::boltCount) && !boltCount())
            add({&R::boltCount},
                "使用本数 n＝" + text(&R::boltCount) + " は 1 以上の整数ではありません。");
    }

    void checkPositive(const Symbol& input)
    {
        const auto value = readNumber(record_, input.field);
        if (value && *value <= 0)
            add({input.field}, nameOf(input.field) + " " + input.symbol + "＝" + text(input.field)
                                   + " が 0 以下です。");
    }

    // The bolt holes reach from D1 − d to D1 + d across; the inner edge must clear the pipe.
    void checkBoltCircle(double d, double D1)
    {
        const auto pipe = positive(&R::pipeDiameter);
        if (pipe && atMost(D1, *pipe + d))
            add({&R::boltCircleDiameter, &R::pipeDiameter, &R::boltSize},
                "ボルト列直径 D1＝" + text(&R::boltCircleDiameter)
                    + " cm が 管の直径 φ0＋ボルト径 d＝" + text(&R::pipeDiameter) + "＋" + number(d)
                    + "＝" + number(*pipe + d) + " cm 以下です。ボルト孔が管にかかります。");
    }

    // ... and the outer edge must stay on the flange plate.
    void checkFlangeEdge(double d, double D1)
    {
        const auto flange = positive(&R::flangeDiameter);
        if (flange && atMost(*flange, D1 + d))
            add({&R::flangeDiameter, &R::boltCircleDiameter, &R::boltSize},
                "フランジプレートの直径 D2＝" + text(&R::flangeDiameter)
                    + " cm が ボルト列直径 D1＋ボルト径 d＝" + text(&R::boltCircleDiameter) + "＋"
                    + number(d) + "＝" + number(D1 + d)
                    + " cm 以下です。ボルト孔がフランジプレートの縁にかかります。");
    }

    // Neighbouring holes, d across each, overlap when the bolts stand closer than d on the circle.
    void checkPitch(double d, double D1)
    {
        const auto n = boltCount();
        if (!n)
            return;
        const double pitch = std::numbers::pi * D1 / *n;
        if (below(pitch, d))
            add({&R::boltCount, &R::boltCircleDiameter, &R::boltSize},
                "ボルトピッチ π×D1／n＝π×" + text(&R::boltCircleDiameter) + "／"
                    + text(&R::boltCount) + "＝" + number(pitch, 2) + " cm が ボルト径 d＝"
                    + number(d) + " cm より小さく、ボルト孔が重なります。");
    }

    // L4 is h1 less the scallop radius: at most h1.
    void checkWeldLength()
    {
        const auto weld = positive(&R::weldLength);
        const auto rib = positive(&R::ribHeight);
        if (weld && rib && below(*rib, *weld))
            add({&R::weldLength, &R::ribHeight},
                "溶接長 L4＝" + text(&R::weldLength) + " cm が リブプレート高さ h1＝"
                    + text(&R::ribHeight) + " cm より長くなっています。");
    }

    void checkFilletSize()
    {
        const auto fillet = positive(&R::filletSize);
        const auto rib = positive(&R::ribThickness);
        if (fillet && rib && below(*rib, *fillet))
            add({&R::filletSize, &R::ribThickness},
                "すみ肉 S1＝" + text(&R::filletSize) + " cm が リブプレート厚さ t1＝"
                    + text(&R::ribThickness) + " cm より大きくなっています。");
    }

    const DesignRecord& record_;
    std::vector<Hint>& hints_;
};

} // namespace

std::optional<double> nominalBoltDiameter(std::string_view boltSize)
{
    const auto it = std::ranges::find(boltSizeTable, boltSize, &BoltSize::itemText);
    if (it == boltSizeTable.end())
        return std::nullopt;
    constexpr std::string_view prefix = "Ｍ";
    const std::string_view millimetres = it->itemText.substr(prefix.size());
    int mm = 0;
    std::from_chars(millimetres.data(), millimetres.data() + millimetres.size(), mm);
    return mm / 10.0;
}

void addGeometryHints(const DesignRecord& record, std::vector<Hint>& hints)
{
    GeometryCheck(record, hints).run();
}

} // namespace flange
