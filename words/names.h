// Names of the table's things in words: cards, colours, seats, directions and
// counts, each made one way for every program that says them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The string `stringId` with %1, %2, ... replaced by `values` in order.
std::string Say(int stringId, std::initializer_list<std::string_view> values = {});

// A card as the player calls it: colour and face, with the digits the cards
// show ("أحمر 7"), the action by its noun ("أحمر تخطٍّ"), or the wild card's
// own name, the wild draw four's one name too; "" for a code that is no card.
std::string CardName(int code);
// The words on an action card's face (draw two, reverse, skip); "" for any other face.
std::string ActionName(int face);
std::string ColorName(int color);
// The colour as a noun of its own, with its article: the colour chosen ("الأحمر").
std::string TheColorName(int color);
// "أنت" for the human, "اللاعب الثاني" for seat 1, and so on: by ordinal, so
// that a seat's number never runs into a count or a score said after it.
std::string SeatName(int seat);
// The word that tells the other seats apart ("الثاني"); "" for the human.
std::string SeatOrdinal(int seat);
std::string DirectionName(int direction);
// A number of cards or of points as Arabic counts them: none, one, two (the
// object form after a verb: "أخذ ورقتين"), three to ten, and from eleven on,
// by the number's last two digits; English has a word for each as well.
std::string CardCount(int count, bool object = false);
std::string PointCount(int count, bool object = false);
// Items joined by the list's separator ("، ").
std::string ListOf(std::initializer_list<std::string> items);
std::string ListOf(const std::string* items, int count);
