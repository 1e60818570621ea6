#pragma once

// The control IDs of the main window's child windows, one per shown model control and named after
// it, so that automation tools and the end-to-end test can find each control. They stay stable
// from release to release. All lie in kFirstControlId..kLastControlId, clear of IDOK and IDCANCEL,
// which the dialog keys of the message loop send to the main window.

namespace pp {

inline constexpr int kFirstControlId = 1000;
inline constexpr int kLastControlId = 1299;

// Label1 elements: 1000 + element.
inline constexpr int IDC_Label1_0 = 1000;
inline constexpr int IDC_Label1_1 = 1001;
inline constexpr int IDC_Label1_2 = 1002;
inline constexpr int IDC_Label1_3 = 1003;
inline constexpr int IDC_Label1_4 = 1004;
inline constexpr int IDC_Label1_5 = 1005;
inline constexpr int IDC_Label1_6 = 1006;
inline constexpr int IDC_Label1_7 = 1007;
inline constexpr int IDC_Label1_8 = 1008;
inline constexpr int IDC_Label1_9 = 1009;
inline constexpr int IDC_Label1_10 = 1010;
inline constexpr int IDC_Label1_11 = 1011;
inline constexpr int IDC_Label1_12 = 1012;
inline constexpr int IDC_Label1_13 = 1013;
inline constexpr int IDC_Label1_14 = 1014;
inline constexpr int IDC_Label1_15 = 1015;
inline constexpr int IDC_Label1_16 = 1016;
inline constexpr int IDC_Label1_19 = 1019;
inline constexpr int IDC_Label1_21 = 1021;

// Label2 elements: 1030 + element.
inline constexpr int IDC_Label2_0 = 1030;
inline constexpr int IDC_Label2_1 = 1031;
inline constexpr int IDC_Label2_2 = 1032;
inline constexpr int IDC_Label2_3 = 1033;

// The quiet line about a game folder the player may not change.
inline constexpr int IDC_FolderNote = 1035;

// Link labels FLB: 1040 + element.
inline constexpr int IDC_FLB_0 = 1040;
inline constexpr int IDC_FLB_1 = 1041;
inline constexpr int IDC_FLB_2 = 1042;
inline constexpr int IDC_FLB_3 = 1043;
inline constexpr int IDC_FLB_4 = 1044;

// Image buttons FBU.
inline constexpr int IDC_FBU_0 = 1050;
inline constexpr int IDC_FBU_1 = 1051;
inline constexpr int IDC_FBU_2 = 1052;
inline constexpr int IDC_FBU_3 = 1053;
inline constexpr int IDC_FBU_99 = 1059;

// Option buttons OT: 1060 + element.
inline constexpr int IDC_OT_0 = 1060;
inline constexpr int IDC_OT_1 = 1061;
inline constexpr int IDC_OT_2 = 1062;

inline constexpr int IDC_TX1 = 1070;
inline constexpr int IDC_ZMO = 1071;
inline constexpr int IDC_HMO = 1072;

// The two decorative lines Line1 and the two team logo boxes.
inline constexpr int IDC_Line1_0 = 1080;
inline constexpr int IDC_Line1_1 = 1081;
inline constexpr int IDC_P_SHOW = 1090;
inline constexpr int IDC_P_SHOW2 = 1091;

// Check boxes: 1100 + number.
inline constexpr int IDC_Check2 = 1102;
inline constexpr int IDC_Check3 = 1103;
inline constexpr int IDC_Check4 = 1104;
inline constexpr int IDC_Check5 = 1105;
inline constexpr int IDC_Check6 = 1106;
inline constexpr int IDC_Check7 = 1107;
inline constexpr int IDC_Check8 = 1108;
inline constexpr int IDC_Check9 = 1109;
inline constexpr int IDC_Check10 = 1110;
inline constexpr int IDC_Check11 = 1111;
inline constexpr int IDC_Check12 = 1112;
inline constexpr int IDC_Check13 = 1113;
inline constexpr int IDC_Check14 = 1114;
inline constexpr int IDC_Check15 = 1115;
inline constexpr int IDC_Check16 = 1116;
inline constexpr int IDC_Check17 = 1117;
inline constexpr int IDC_Check18 = 1118;
inline constexpr int IDC_Check19 = 1119;
inline constexpr int IDC_Check20 = 1120;
inline constexpr int IDC_Check21 = 1121;
inline constexpr int IDC_Check22 = 1122;
inline constexpr int IDC_Check25 = 1125;
inline constexpr int IDC_Check26 = 1126;
inline constexpr int IDC_Check28 = 1128;
inline constexpr int IDC_Check70 = 1170;

// Combo boxes: 1200 + number.
inline constexpr int IDC_Combo1 = 1201;
inline constexpr int IDC_Combo2 = 1202;
inline constexpr int IDC_Combo3 = 1203;
inline constexpr int IDC_Combo4 = 1204;
inline constexpr int IDC_Combo5 = 1205;
inline constexpr int IDC_Combo6 = 1206;
inline constexpr int IDC_Combo7 = 1207;
inline constexpr int IDC_Combo8 = 1208;
inline constexpr int IDC_Combo9 = 1209;
inline constexpr int IDC_Combo10 = 1210;
inline constexpr int IDC_Combo11 = 1211;
inline constexpr int IDC_Combo12 = 1212;
inline constexpr int IDC_Combo13 = 1213;
inline constexpr int IDC_Combo14 = 1214;
inline constexpr int IDC_Combo15 = 1215;
inline constexpr int IDC_Combo16 = 1216;
inline constexpr int IDC_Combo18 = 1218;
inline constexpr int IDC_Combo19 = 1219;

}  // namespace pp
