// Resource and control identifiers. The numbers are fixed: other programs and the data
// files never see them, but the dialogs, menus and code address everything by them.
#pragma once

// Icons and bitmaps
#define IDI_PROGRAM 128
#define IDB_SPLASH 131
#define IDI_WINDOW 132
#define IDI_ARROW_RIGHT 148
#define IDI_ARROW_LEFT 149
#define IDI_PANEL_EMPTY 153
#define IDI_SECTION_CENTRE 154
#define IDI_SECTION_LEFT 155
#define IDI_SECTION_RIGHT 156
#define IDI_EMAILER 169
#define IDI_TEXT_CLIPBOARD 170

// The launcher window (dialog 102)
#define IDD_LAUNCHER 102
#define IDC_SPLASH 1046
#define IDC_STATUS 1079
#define IDC_SECTION_ICON 1054
#define IDC_SHIFT_LABEL 1087
// Panel controls 1..8: group box, marker square, name label, icon, connection label
#define IDC_PANEL1_GROUP 1003
#define IDC_PANEL2_GROUP 1004
#define IDC_PANEL3_GROUP 1005
#define IDC_PANEL4_GROUP 1006
#define IDC_PANEL5_GROUP 1009
#define IDC_PANEL6_GROUP 1010
#define IDC_PANEL7_GROUP 1011
#define IDC_PANEL8_GROUP 1017
#define IDC_PANEL1_MARKER 1007
#define IDC_PANEL2_MARKER 1014
#define IDC_PANEL3_MARKER 1015
#define IDC_PANEL4_MARKER 1016
#define IDC_PANEL5_MARKER 1019
#define IDC_PANEL6_MARKER 1020
#define IDC_PANEL7_MARKER 1023
#define IDC_PANEL8_MARKER 1022
#define IDC_PANEL1_NAME 1025
#define IDC_PANEL2_NAME 1026
#define IDC_PANEL3_NAME 1027
#define IDC_PANEL4_NAME 1028
#define IDC_PANEL5_NAME 1030
#define IDC_PANEL6_NAME 1031
#define IDC_PANEL7_NAME 1032
#define IDC_PANEL8_NAME 1033
#define IDC_PANEL1_ICON 1035
#define IDC_PANEL2_ICON 1036
#define IDC_PANEL3_ICON 1037
#define IDC_PANEL4_ICON 1038
#define IDC_PANEL5_ICON 1040
#define IDC_PANEL6_ICON 1041
#define IDC_PANEL7_ICON 1042
#define IDC_PANEL8_ICON 1043
#define IDC_PANEL1_LINK 1057
#define IDC_PANEL2_LINK 1059
#define IDC_PANEL3_LINK 1060
#define IDC_PANEL4_LINK 1061
#define IDC_PANEL5_LINK 1062
#define IDC_PANEL6_LINK 1063
#define IDC_PANEL7_LINK 1064
#define IDC_PANEL8_LINK 1065

// The error-message dialog (dialog 137)
#define IDD_ERROR_MESSAGE 137
#define IDC_ERROR_TEXT 1047

// Registration question (dialog 135) and Overwrite / Exchange question (dialog 138)
#define IDD_REGISTRATION 135
#define IDD_OVERWRITE_EXCHANGE 138
#define IDC_OVERWRITE 1048
#define IDC_EXCHANGE 1049

// Emailer (dialog 171), Text Clipboard (dialog 172) and the hidden copier (dialog 173)
#define IDD_EMAILER 171
#define IDD_TEXT_CLIPBOARD 172
#define IDD_TEXT_COPIER 173
#define IDC_DISPLAY_NAME 1089
#define IDC_EMAIL_ADDRESS 1090
#define IDC_TEXT 1094

// Menus: tray (130), occupied panel (136), empty panel (167)
#define IDM_TRAY 130
#define IDM_OCCUPIED_PANEL 136
#define IDM_EMPTY_PANEL 167
#define ID_ACTIVATE 32771
#define ID_SHUTDOWN 32772
#define ID_EMPTY 32773
#define ID_MOVE_TO_1 32775
#define ID_MOVE_TO_8 32782
#define ID_VISIT_MAKER 32785
#define ID_MANUAL 32787
#define ID_OPTIONS 32789
#define ID_CONNECT_WITH_1 32791
#define ID_CONNECT_WITH_8 32798
#define ID_REMOVE_CONNECTION 32799
#define ID_PROPERTIES 32801
#define ID_ADD_EMAILER 32802
#define ID_ADD_TEXT_CLIPBOARD 32803
#define ID_OPEN_DATA_FOLDER 32805
