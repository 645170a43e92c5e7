#pragma once

// The α0 pane (Picture5): how α0 is read off reference figure 2, as one worked reading
// (Ly/Lx = 1.17 gives α0 = 0.12) above an excerpt of the chart with both values marked on its axes.

#include "ui/reference/sunken_pane.h"

namespace flange {

class StoredPicture;

class Alpha0Pane : public SunkenPane {
    Q_OBJECT
public:
    explicit Alpha0Pane(QWidget* parent);

    // The chart excerpt (Image37).
    StoredPicture* excerpt() const { return excerpt_; }

private:
    StoredPicture* excerpt_;
};

} // namespace flange
