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
