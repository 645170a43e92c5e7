#pragma once

// The design record: the whole state of one flange joint design, held as texts.
//
// A field's text is its value; there is no separate numeric copy. The calculations read input
// texts, convert them with readNumber, round each result to its number pattern and write the
// rounded text back. Design files store the 17 input texts; the report prints every text as it
// stands. Texts are UTF-8.

#include <array>
#include <string>

namespace flange {

// A judgement: its current text (the caption before any judgement, the OK text or the NG text)
// and whether its label is shown. Hiding a judgement clears only the flag; the text stays.
struct JudgementLabel {
    std::string text;
    bool shown = false;

    bool operator==(const JudgementLabel&) const = default;
};

struct DesignRecord {
    // Inputs (units in brackets).
    std::string boltSize;              // bolt size, e.g. "Ｍ27"
    std::string boltArea;              // A3 [cm2]
    std::string boltCount;             // n
    std::string boltCircleDiameter;    // D1 [cm]
    std::string boltAllowableTension;  // ft0 [t/cm2], long-term
    std::string pipeDiameter;          // φ0 [cm]
    std::string flangeDiameter;        // D2 [cm]
    std::string ribThickness;          // t1 [cm]
    std::string ribHeight;             // h1 [cm]
    std::string filletSize;            // S1 [cm]
    std::string weldLength;            // L4 [cm]
    std::string shearForce;            // Q1 [t]
    std::string bendingMoment;         // M1 [t・cm]
    std::string plateAllowableBending; // fb1 [t/cm2], long-term
    std::string flangeThickness;       // t0 [cm], assumed
    std::string allowableShear;        // fS [t/cm2], long-term
    std::string alpha0;                // α0, read off reference figure 2

    // Results, written only by the calculations.
    std::string boltTension;           // T [t]
    std::string boltShear;             // S [t]
    std::string boltStress;            // σt [t/cm2]
    std::string boltRatio;             // σt / (ft0 × 1.5)
    std::string freeEdgeLength;        // Ly [cm]
    std::string fixedEdgeLength;       // Lx [cm]
    std::string unitCompressiveStress; // wS [t/cm2]
    std::string edgeRatio;             // Ly / Lx
    std::string freeEdgeMoment;        // M0 [t・cm/cm]
    std::string requiredThickness;     // t [cm]
    std::string ribShearForce;         // Q0 [t]
    std::string ribShearStress;        // τ [t/cm2]
    std::string ribRatio;              // τ / (fS × 1.5)
    std::string weldThroat;            // α1 [cm]
    std::string weldShearStress;       // τS [t/cm2]
    std::string weldRatio;             // τS / (fS × 1.5)

    // Judgements, with their captions before any judgement.
    JudgementLabel boltVerdict{"< 1.0", false};
    JudgementLabel thicknessVerdict{"(cm) < t", false};
    JudgementLabel ribVerdict{"< 1.0", false};
    JudgementLabel weldVerdict{"< 1.0", false};

    bool operator==(const DesignRecord&) const = default;
};

// Pointers to the members, so that code can walk the fields in a fixed order (the inputs in the
// table of calc/design_inputs.h).
using TextField = std::string DesignRecord::*;
using JudgementField = JudgementLabel DesignRecord::*;

// The 16 results in the order of their controls (Text18 .. Text33).
// clang-format off
inline constexpr std::array<TextField, 16> resultFields{
    &DesignRecord::boltTension,     &DesignRecord::boltShear,
    &DesignRecord::boltStress,      &DesignRecord::boltRatio,
    &DesignRecord::freeEdgeLength,  &DesignRecord::fixedEdgeLength,
    &DesignRecord::unitCompressiveStress, &DesignRecord::edgeRatio,
    &DesignRecord::freeEdgeMoment,  &DesignRecord::requiredThickness,
    &DesignRecord::ribShearForce,   &DesignRecord::ribShearStress,
    &DesignRecord::ribRatio,        &DesignRecord::weldThroat,
    &DesignRecord::weldShearStress, &DesignRecord::weldRatio,
};
// clang-format on

inline constexpr std::array<JudgementField, 4> judgementFields{
    &DesignRecord::boltVerdict,
    &DesignRecord::thicknessVerdict,
    &DesignRecord::ribVerdict,
    &DesignRecord::weldVerdict,
};

} // namespace flange
