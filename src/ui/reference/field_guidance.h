#pragma once

// The guidance captions of the input pane: the nine captions that open the reference material
// when clicked. Captions naming a dimension of the joint show reference figure 1, the caption of
// the α0 field shows reference figure 2, and the captions of the allowable stresses ("※") open
// the allowable-stress window. A click on the caption of the allowable shear stress also gives the
// pipe-diameter caption the ordinary arrow pointer for the rest of the run.

#include <QObject>
#include <QString>

#include <span>
#include <string_view>

class QWidget;

namespace flange {

class AllowableStressWindowHost;
class GuidanceLabel;

enum class GuidanceAction {
    ShowReferenceFigure1,
    ShowReferenceFigure2,
    OpenAllowableStressWindow,
};

struct GuidanceEntry {
    std::string_view label; // object name of the caption, e.g. "Label4"
    GuidanceAction action;
    std::string_view arrowAfterClick; // caption whose pointer becomes the arrow, or empty
};

// The nine guidance captions in the order of the input rows.
std::span<const GuidanceEntry> guidanceEntries();

class FieldGuidance : public QObject {
    Q_OBJECT
public:
    // Makes the captions of `inputPane` named in guidanceEntries() guidance labels. Their clicks
    // open the allowable-stress window through `window` or ask the main window for a reference
    // figure through the signals below. A caption not found is left out.
    FieldGuidance(QWidget* inputPane, AllowableStressWindowHost* window);

    // The guidance label made of a caption, or null.
    GuidanceLabel* guidance(const QString& labelName) const;

signals:
    // A caption asks for the same as the pane buttons "参考図－１" and "参考図－２".
    void showReferenceFigure1();
    void showReferenceFigure2();

private:
    void run(const GuidanceEntry& entry);

    QWidget* inputPane_;
    AllowableStressWindowHost* window_;
};

} // namespace flange
