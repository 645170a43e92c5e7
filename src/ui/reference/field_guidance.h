#pragma once

// The guidance captions of the input pane: the nine captions that open the reference material
// when clicked. Captions naming a dimension of the joint show reference figure 1, the caption of
// the α0 field shows reference figure 2, and the captions of the allowable stresses ("※") open
// the allowable-stress window. A click on the caption of the allowable shear stress also gives the
// pipe-diameter caption the ordinary arrow pointer for the rest of the run.

#include "calc/design_record.h"

#include <QObject>

#include <functional>
#include <span>

class QLabel;

namespace flange {

class AllowableStressWindowHost;
class GuidanceLabel;

enum class GuidanceAction {
    ShowReferenceFigure1,
    ShowReferenceFigure2,
    OpenAllowableStressWindow,
};

struct GuidanceEntry {
    TextField field; // the input whose caption guides
    GuidanceAction action;
    TextField arrowAfterClick; // input whose caption's pointer becomes the arrow, or nullptr
};

// The nine guidance captions in the order of the input rows.
std::span<const GuidanceEntry> guidanceEntries();

class FieldGuidance : public QObject {
    Q_OBJECT
public:
    // The caption label of an input, or nullptr where there is none.
    using CaptionLookup = std::function<QLabel*(TextField)>;

    // Makes the captions of the inputs in guidanceEntries() guidance labels. Their clicks open the
    // allowable-stress window through `window` or ask the main window for a reference figure
    // through the signals below. A caption not found is left out. `window` must outlive the
    // captions.
    FieldGuidance(QObject* parent, CaptionLookup captionOf, AllowableStressWindowHost& window);

    // The guidance label made of an input's caption, or null.
    GuidanceLabel* guidance(TextField field) const;

signals:
    // A caption asks for the same as the pane buttons "参考図－１" and "参考図－２".
    void showReferenceFigure1();
    void showReferenceFigure2();

private:
    void run(const GuidanceEntry& entry);

    CaptionLookup captionOf_;
    AllowableStressWindowHost& window_;
};

} // namespace flange
