#pragma once
// A bar of text panels along a window's edge.
#include <string>
#include <vector>

#include "toolkit/CustomPanel.h"

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

struct TStatusPanel {
    std::string Text;
    int Width = 50;
    TStatusPanelBevel Bevel = pbLowered;
};

class TStatusBar : public TCustomPanel {
public:
    TK_CLASS_NAME(TStatusBar)
    explicit TStatusBar(TComponent* AOwner);

    int PanelCount() const { return int(FPanels.size()); }
    TStatusPanel& Panels(int index) { return FPanels.at(size_t(index)); }
    TStatusPanel& AddPanel();

protected:
    void Paint() override;

private:
    std::vector<TStatusPanel> FPanels;
};
