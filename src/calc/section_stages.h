#pragma once

// The four section checks as stages over the design record. Each step of a stage computes one
// value in double precision, rounds it to its field's pattern with writeResult and writes it; later
// steps and stages use the rounded value, exactly as the engineer sees it.

#include "calc/design_record.h"
#include "calc/number_text.h"
#include "calc/record_operations.h"

#include <optional>

namespace flange {

// The stages write the texts of their judgements and leave whether they are shown alone.

struct BoltStageResult {
    std::optional<double> tension;      // rounded T [t], for the plate stages
    std::optional<Judgement> judgement; // the bolt judgement, when it was asked for
};

// Section A, the bolts: T = 4·M1/(n·D1), S = Q1/n, σt = T/A3, σt/(ft0·1.5) and, when asked for
// (judge), the bolt judgement. The stress is written with stressPattern.
BoltStageResult runBoltStage(DesignRecord& record, NumberPattern stressPattern, bool judge);

// The panel of the three-edge-fixed plate between two ribs.
struct PanelValues {
    std::optional<double> fixedEdgeLength;       // rounded Lx [cm]
    std::optional<double> unitCompressiveStress; // rounded wS [t/cm2]
};

// Section B shape: Ly = D1·sin(180°/n), Lx = (D2 − φ0)/2, wS = T/(Ly·Lx), λ = Ly/Lx.
PanelValues runPlateShapeStage(DesignRecord& record, std::optional<double> tension);

// Section B thickness: M0 = wS·Lx²·α0, t = √(6·M0/(fb1·1.5)), and the thickness judgement
// (required strictly below assumed is OK).
Judgement runPlateThicknessStage(DesignRecord& record, const PanelValues& panel);

struct RibStageResult {
    std::optional<double> shearForce; // rounded Q0 [t], for the weld stage
    Judgement judgement = Judgement::Ng;
};

// Section C, one rib: Q0 = wS·Lx²·2, τ = Q0/(t1·h1), τ/(fS·1.5) and the rib judgement.
RibStageResult runRibStage(DesignRecord& record, const PanelValues& panel);

// Section D, the welds of one rib: α1 = 0.7·S1, τS = Q0/(2·α1·L4), τS/(fS·1.5) and the weld
// judgement.
Judgement runWeldStage(DesignRecord& record, std::optional<double> ribShearForce);

} // namespace flange
