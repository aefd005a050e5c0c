// Numbered resources of Zot.exe: icon, menu, dialogs, their controls and the
// menu commands. Shared by the resource script and the C++ shell.
#pragma once

#define IDI_ZOT 101

#define IDD_COLOR_CHOOSER 169
#define IDR_MAIN_MENU 171
#define IDD_ABOUT 173
#define IDD_SCORE 174
#define IDD_CARD_POINTS 175
#define IDD_WIN 177
#define IDD_LOSE 178
#define IDD_PLAY_DRAWN_CARD 180
#define IDD_HELP 181
#define IDR_ACCELERATORS 182
// The how-to-play text, UTF-8 (resources/help_ar.txt).
#define IDR_HELP_TEXT 183

// Colour chooser radios, in CardColor order.
#define IDC_BLUE 1005
#define IDC_GREEN 1006
#define IDC_RED 1007
#define IDC_YELLOW 1008
// Beside each radio, that colour's strip of the colour bar (owner-drawn), in
// the same order.
#define IDC_BLUE_SWATCH 1020
#define IDC_GREEN_SWATCH 1021
#define IDC_RED_SWATCH 1022
#define IDC_YELLOW_SWATCH 1023

// Score dialog: points left in each hand (seats 0..3) and match scores. The
// right column runs 1015, 1018, 1017, 1016 from the top.
#define IDC_HAND_POINTS_0 1011
#define IDC_HAND_POINTS_1 1012
#define IDC_HAND_POINTS_2 1013
#define IDC_HAND_POINTS_3 1014
#define IDC_MATCH_SCORE_0 1015
#define IDC_MATCH_SCORE_3 1016
#define IDC_MATCH_SCORE_2 1017
#define IDC_MATCH_SCORE_1 1018

// Help dialog: the text.
#define IDC_HELP_TEXT 1019

#define IDM_ABOUT 40008
#define IDM_CARD_POINTS 40009
#define IDM_NEW_GAME 40011
#define IDM_EXIT 40012
#define IDM_SOUND_ON 40013
#define IDM_SOUND_OFF 40014
#define IDM_TWO_PLAYERS 40015
#define IDM_THREE_PLAYERS 40016
#define IDM_FOUR_PLAYERS 40017
#define IDM_ONE_DEAL 40018
#define IDM_PLAY_TO_500 40019
#define IDM_MANUAL 40022
#define IDM_STANDARD_RULES 40023
#define IDM_DRAW_UNTIL_PLAYABLE 40024

// The house rules: the dialog of the three switches, the seat a 7 swaps with,
// and the command that says Zot.
#define IDM_HOUSE_RULES 40026
#define IDM_SAY_ZOT 40027
#define IDD_HOUSE_RULES 187
#define IDD_SWAP_SEAT 188
#define IDC_HOUSE_STACK 1051
#define IDC_HOUSE_SEVEN_ZERO 1052
#define IDC_HOUSE_SAY_ZOT 1053
// The swap dialog's radios, one a seat offered, fewest cards first.
#define IDC_SWAP_SEAT_FIRST 1054
#define IDC_SWAP_SEAT_LAST 1056
// The drawn-card question's Zot button, added while Zot may be said.
#define IDC_SAY_ZOT 1057

// The page's own resources, compiled for the page only (ZOT_PAGE): its
// statistics and the words it speaks and shows beside the table.
#define IDM_STATISTICS 40025
#define IDD_STATISTICS 184
#define IDD_RESET_STATISTICS 185
// Statistics fields: played, won, lost for 2, 3, 4 players, one deal then to
// 500 (1030 + ((players - 2) * 2 + length) * 3 + kind), then the two streaks.
#define IDC_STATISTICS_FIRST 1030
#define IDC_STREAK_CURRENT 1048
#define IDC_STREAK_BEST 1049
#define IDC_RESET_STATISTICS 1050
// Asked before a new match throws away the one in progress.
#define IDD_NEW_MATCH 186

// The table in words (words/): what a screen reader hears and the page shows
// beside the table, in Zot.exe and the page alike.
#define IDS_TABLE 2000
#define IDS_HAND 2001
#define IDS_DRAW_PILE 2002
#define IDS_SEAT 2020
#define IDS_YOU 2021
#define IDS_CARD 2022
#define IDS_FACE_DRAW_TWO 2023
#define IDS_FACE_REVERSE 2024
#define IDS_FACE_SKIP 2025
#define IDS_WILD 2026
#define IDS_WILD_DRAW_FOUR 2027
#define IDS_CLOCKWISE 2028
#define IDS_ANTICLOCKWISE 2029
#define IDS_LIST 2030
#define IDS_BLUE 2031
#define IDS_GREEN 2032
#define IDS_RED 2033
#define IDS_YELLOW 2034
#define IDS_FACE_NUMBER 2035
#define IDS_SEAT_COUNT 2036
#define IDS_CARDS_NONE 2080
#define IDS_CARDS_ONE 2081
#define IDS_CARDS_TWO 2082
#define IDS_CARDS_TWO_OBJECT 2083
#define IDS_CARDS_FEW 2084
#define IDS_CARDS_MANY 2085
#define IDS_POINTS_ONE 2086
#define IDS_POINTS_TWO 2087
#define IDS_POINTS_TWO_OBJECT 2088
#define IDS_POINTS_FEW 2089
#define IDS_POINTS_MANY 2090
#define IDS_SAY_MATCH 2040
#define IDS_SAY_DEAL 2041
#define IDS_SAY_HAND_YOU 2042
#define IDS_SAY_DREW_YOU 2044
#define IDS_SAY_DREW 2045
#define IDS_SAY_DREW_NONE 2046
#define IDS_SAY_PLAYED_YOU 2047
#define IDS_SAY_PLAYED 2048
#define IDS_SAY_WILD_YOU 2049
#define IDS_SAY_WILD 2050
#define IDS_SAY_PENALTY_YOU 2051
#define IDS_SAY_ONE_CARD_YOU 2058
#define IDS_SAY_ONE_CARD 2059
#define IDS_SAY_YOUR_TURN 2060
#define IDS_SAY_DEAL_WON_YOU 2061
#define IDS_SAY_DEAL_WON 2062
#define IDS_SAY_MATCH_WON 2063
#define IDS_SAY_MATCH_LOST 2064
#define IDS_SAY_LAST_MOVES 2065
#define IDS_SAY_NO_MOVES 2066
#define IDS_SAY_DEAL_DRAW_TWO 2067
#define IDS_SAY_DEAL_SKIP 2068
#define IDS_SAY_DEAL_REVERSE 2069
#define IDS_SAY_REFUSED_TURN 2092
#define IDS_SAY_REFUSED_NOTHING 2093
#define IDS_SAY_REFUSED_HELD 2094
#define IDS_SAY_REFUSED_MATCH 2095
#define IDS_SAY_REFUSED_COLOR 2096
#define IDS_STATUS_IDLE 2070
#define IDS_STATUS_TOP 2071
#define IDS_STATUS_TURN_YOU 2072
#define IDS_STATUS_TURN 2073
#define IDS_STATUS_COUNTS 2074
#define IDS_STATUS_SCORES 2075
#define IDS_STATUS_DEAL_WON_YOU 2076
#define IDS_STATUS_DEAL_WON 2077

// Zot.exe's table and dialogs for a screen reader: the names of what it can
// act on and of the dialogs' controls that show no words of their own.
#define IDS_ACTION_PLAY 2100
#define IDS_ACTION_DRAW 2101
#define IDS_ACTION_START 2102
#define IDS_PLAYABLE 2103
#define IDS_SWATCH 2104
#define IDS_SHAPE_BLUE 2105
#define IDS_SHAPE_GREEN 2106
#define IDS_SHAPE_RED 2107
#define IDS_SHAPE_YELLOW 2108
#define IDS_CARD_BACK 2109
#define IDS_SCORE_FIELD 2110
#define IDS_NOT_PLAYING 2111
// What the score dialog shows in the fields of a seat not at the table.
#define IDS_SEAT_OUT_FIELD 2112

// The page's own words (under ZOT_PAGE).
#define IDS_MOVES 2003
#define IDS_START 2004
#define IDS_SAVE_UNREADABLE 2010
#define IDS_OTHER_TAB 2011
#define IDS_PLAY_HERE 2012
#define IDS_CLOSE_NOTICE 2013
#define IDS_STATUS 2014
#define IDS_FOLD 2015
#define IDS_UNFOLD 2016
#define IDS_CLOSED 2017
#define IDS_BACK_TO_TABLE 2018
#define IDS_DRAWN_CARD 2019
#define IDS_DRAWN_PLAY 2005
#define IDS_DRAWN_KEEP 2006
// The page as an app: its names, and what it says when its module cannot run.
#define IDS_APP_NAME 2120
#define IDS_APP_SHORT_NAME 2121
#define IDS_APP_DESCRIPTION 2122
#define IDS_MODULE_MISSING 2123
#define IDS_MODULE_FAILED 2124
// The saved game the page could not read, could not keep aside, must not
// write over, or could not write.
#define IDS_SAVE_NOT_KEPT 2125
#define IDS_SAVE_NEWER 2126
#define IDS_SAVE_REFUSED 2127

// The house rules in words (2200-2299).
#define IDS_SAY_STACKED_YOU 2200
#define IDS_SAY_STACKED_BY_YOU 2201
#define IDS_SAY_STACKED 2202
#define IDS_SAY_SWAPPED_YOU 2203
#define IDS_SAY_SWAPPED_WITH_YOU 2204
#define IDS_SAY_SWAPPED 2205
#define IDS_SAY_HAND_NOW 2206
#define IDS_SAY_PASSED 2207
#define IDS_SAY_ZOT_YOU 2208
#define IDS_SAY_ZOT_NOT_NOW 2209
#define IDS_SAY_CAUGHT 2210
#define IDS_STATUS_OWED_YOU 2211
#define IDS_STATUS_OWED 2212
#define IDS_SAY_ZOT_BUTTON 2213

// Said since the words learnt to say less: the seats by ordinal, so that a
// seat's number never runs into a count; a colour named with its article; an
// empty count of points and pile; a deal's opening and a draw with what
// followed, each in one line.
#define IDS_ORDINAL_2 2130
#define IDS_ORDINAL_3 2131
#define IDS_ORDINAL_4 2132
#define IDS_THE_BLUE 2133
#define IDS_THE_GREEN 2134
#define IDS_THE_RED 2135
#define IDS_THE_YELLOW 2136
#define IDS_POINTS_NONE 2137
#define IDS_A_CARD 2138
#define IDS_SAY_DEAL_COLOR 2139
#define IDS_SAY_DREW_PLAYED 2140
#define IDS_SAY_DREW_NONE_YOU 2141
#define IDS_SAY_HAND_YOUR_TURN 2142
#define IDS_STATUS_PILE_EMPTY 2143
// The settings menu's language item, named in the language it chooses.
#define IDS_LANGUAGE_ITEM 2144
#define IDS_SAY_CHOSE 2145

// English: every string, menu, dialog and the help text has an English twin
// whose number is the Arabic one's plus ZOT_ENGLISH (IDS_TABLE + ZOT_ENGLISH,
// IDD_SCORE + ZOT_ENGLISH, ...). A string with no twin is said in Arabic.
#define ZOT_ENGLISH 1000
// The language item's command, added to the settings menu by each program.
#define IDM_LANGUAGE 40030

// The page's view of the table: 2400-2449.
#define IDS_CLASSIC_VIEW 2400
