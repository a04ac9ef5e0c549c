// The control identifiers of the eight panels, indexed by panel number - 1, laid out row
// by row round the centre: 1 2 3 / 4 . 5 / 6 7 8.
#pragma once

#include <array>

#include "resources/resource.h"

constexpr int PANEL_COUNT = 8;

struct PanelControls {
    int group;
    int marker;
    int name;
    int icon;
    int link;
};

constexpr std::array<PanelControls, PANEL_COUNT> panel_controls = {{
    {IDC_PANEL1_GROUP, IDC_PANEL1_MARKER, IDC_PANEL1_NAME, IDC_PANEL1_ICON, IDC_PANEL1_LINK},
    {IDC_PANEL2_GROUP, IDC_PANEL2_MARKER, IDC_PANEL2_NAME, IDC_PANEL2_ICON, IDC_PANEL2_LINK},
    {IDC_PANEL3_GROUP, IDC_PANEL3_MARKER, IDC_PANEL3_NAME, IDC_PANEL3_ICON, IDC_PANEL3_LINK},
    {IDC_PANEL4_GROUP, IDC_PANEL4_MARKER, IDC_PANEL4_NAME, IDC_PANEL4_ICON, IDC_PANEL4_LINK},
    {IDC_PANEL5_GROUP, IDC_PANEL5_MARKER, IDC_PANEL5_NAME, IDC_PANEL5_ICON, IDC_PANEL5_LINK},
    {IDC_PANEL6_GROUP, IDC_PANEL6_MARKER, IDC_PANEL6_NAME, IDC_PANEL6_ICON, IDC_PANEL6_LINK},
    {IDC_PANEL7_GROUP, IDC_PANEL7_MARKER, IDC_PANEL7_NAME, IDC_PANEL7_ICON, IDC_PANEL7_LINK},
    {IDC_PANEL8_GROUP, IDC_PANEL8_MARKER, IDC_PANEL8_NAME, IDC_PANEL8_ICON, IDC_PANEL8_LINK},
}};
