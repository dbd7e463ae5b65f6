// SPDX-FileCopyrightText: The Cindervale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The character creation screen, which doubles as the character sheet during play.
#pragma once

#include <array>
#include <string_view>

#include "../../vocab/skills.h"
#include "../screen.h"

namespace cv::screens {

// A label that shows a whole number (skills and derived values).
struct ValueLabel : NumberLabel {
    ValueLabel() { font = Font{"MS Sans Serif", 9, true}; }
};

// Statistics in memory order: strength, perception, endurance, intelligence, agility, luck, charisma.
inline constexpr int kStatCount = 7;
inline constexpr int kSkillCount = 17;
inline constexpr int kTraitCount = 14;

// Control names, indexed like the arrays below.
inline constexpr std::array<std::string_view, kStatCount> kGlyphNames{"sln", "mdn", "vnn", "itn",
                                                                      "lvn", "udn", "obn"};
inline constexpr std::array<std::string_view, kStatCount> kRaiseNames{
    "Image12", "Image10", "Image55", "Image51", "Image49", "Image47", "Image53"};
inline constexpr std::array<std::string_view, kStatCount> kLowerNames{
    "Image11", "Image56", "Image54", "Image50", "Image48", "Image57", "Image52"};
inline constexpr std::array<std::string_view, kSkillCount> kSkillValueNames{
    "light", "heavy", "energ", "unarm", "meele", "throw", "first", "doctr", "sneak",
    "lockp", "steal", "traps", "scien", "repar", "talks", "merch", "outdr"};
inline constexpr std::array<std::string_view, kSkillCount> kTagButtonNames{
    "Image30", "Image29", "Image27", "Image28", "Image26", "Image25", "Image24", "Image23", "Image22",
    "Image21", "Image20", "Image19", "Image18", "Image17", "Image16", "Image15", "Image14"};
inline constexpr std::array<std::string_view, kTraitCount> kTraitButtonNames{
    "Image46", "Image45", "Image44", "Image43", "Image42", "Image41", "Image40",
    "Image39", "Image38", "Image37", "Image36", "Image35", "Image34", "Image33"};

// The derived values, in the order their captions stand on the sheet.
enum Derived { dHp, dFhp, dAcl, dTp, dMw, dDam, dRed, dRep, dRer, dAca, dLeh, dCch, dSpl, kDerivedCount };
inline constexpr std::array<std::string_view, kDerivedCount> kDerivedNames{
    "hp", "fhp", "acl", "tp", "mw", "dam", "red", "rep", "rer", "aca", "leh", "cch", "spl"};

struct Createform : Screen {
    Picture main;
    Edit namec, age;
    ComboBox sex;

    std::array<Picture, kStatCount> glyph;        // sln, mdn, ... in memory order
    std::array<Picture, kStatCount> raise, lower; // statistic buttons, in memory order
    Edit cpleft;                                  // the point pool

    std::array<Label, kDerivedCount> derivedCaption; // "Жизней" stands only before hp; "/" before fhp
    std::array<ValueLabel, kDerivedCount> derived;
    std::array<Label, 7> status; // the seven status captions

    std::array<Label, kSkillCount> s;          // skill captions s1 .. s17
    std::array<ValueLabel, kSkillCount> skill; // skill values light .. outdr
    std::array<Label, kSkillCount> percent;
    std::array<Picture, kSkillCount> tagButton;
    Picture tleft;

    Picture traitsp;
    std::array<Label, kTraitCount> t; // trait captions t1 .. t14
    std::array<Picture, kTraitCount> traitButton;

    Picture Image2, Image1; // accept, cancel

    Picture bok1, bok2, bonusp;
    Button kil, kar, bon;
    Label lb1, lb2;
    Picture select, splus, smin;
    Label scribe, lb3;
    Picture Image3;

    Createform();

    // The figures the sheet shows, which the rest of the game reads.
    int skillFigure(Skill s) const { return skill.at(static_cast<std::size_t>(s) - 1).value; }
    int derivedFigure(Derived d) const { return derived.at(static_cast<std::size_t>(d)).value; }
};

} // namespace cv::screens
