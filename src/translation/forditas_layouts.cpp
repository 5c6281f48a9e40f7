#include "translation/forditas_layouts.h"

namespace translation {

namespace {

constexpr ControlPlace kPlaces1024[] = {
    // Source side.
    {"Efe", {0, 0, 537, 21}},
    {"cb1", {573, 0, 97, 17}},
    {"BitBtn2", {0, 22, 41, 28}},
    {"Esave", {48, 22, 41, 28}},
    {"BitBtn3", {96, 22, 41, 28}},
    {"Button8", {144, 22, 17, 28}},
    {"Esorbe", {168, 22, 41, 28}},
    {"EsorDel", {216, 22, 41, 28}},
    {"BEell", {264, 22, 41, 28}},
    {"EkerE", {312, 24, 121, 21}},
    {"BkerE", {440, 22, 25, 25}},
    {"EEszazalek", {467, 32, 146, 17}},
    {"EEfm", {637, 14, 33, 21}},
    {"Button1", {613, 33, 57, 17}},
    {"Racsef", {0, 50, 670, 184}},
    {"Button2", {613, 234, 57, 17}},
    {"Edit0", {14, 234, 76, 21}},
    {"Edit1", {90, 234, 76, 21}},
    {"Edit2", {166, 234, 446, 21}},
    // Translated side.
    {"Eff", {0, 262, 537, 21}},
    {"atlatszo2", {577, 264, 93, 17}},
    {"BitBtn4", {0, 284, 41, 28}},
    {"Fsave", {48, 284, 41, 28}},
    {"Button9", {144, 284, 17, 28}},
    {"Fsorbe", {168, 284, 41, 28}},
    {"FsorDel", {216, 284, 41, 28}},
    {"BFell", {264, 284, 41, 28}},
    {"EkerF", {312, 288, 121, 21}},
    {"BkerF", {440, 284, 25, 25}},
    {"EFfm", {634, 272, 33, 21}},
    {"Button4", {613, 295, 57, 17}},
    {"Racsff", {0, 312, 670, 184}},
    {"Edit4", {14, 496, 76, 21}},
    {"Edit5", {90, 496, 76, 21}},
    {"Edit6", {166, 496, 439, 21}},
    {"Button5", {609, 497, 57, 17}},
    {"EFszazalek", {520, 520, 150, 17}},
    // Bottom row.
    {"Bfvissza", {8, 528, 145, 33}},
    {"BfKilepes", {296, 528, 145, 33}},
    {"ido1", {548, 538, 0, 0}},
};

// The tool row and the boxes above the source grid stand as in 1024x768; the grids are shorter
// and everything below the source grid moves up.
constexpr ControlPlace kPlaces800[] = {
    // Source side.
    {"Efe", {0, 0, 537, 21}},
    {"cb1", {573, 0, 97, 17}},
    {"BitBtn2", {0, 22, 41, 28}},
    {"Esave", {48, 22, 41, 28}},
    {"BitBtn3", {96, 22, 41, 28}},
    {"Button8", {144, 22, 17, 28}},
    {"Esorbe", {168, 22, 41, 28}},
    {"EsorDel", {216, 22, 41, 28}},
    {"BEell", {264, 22, 41, 28}},
    {"EkerE", {312, 24, 121, 21}},
    {"BkerE", {440, 22, 25, 25}},
    {"EEszazalek", {467, 32, 146, 17}},
    {"EEfm", {637, 14, 33, 21}},
    {"Button1", {613, 33, 57, 17}},
    {"Racsef", {0, 50, 673, 158}},
    {"Button2", {613, 208, 57, 17}},
    {"Edit0", {14, 208, 76, 21}},
    {"Edit1", {90, 208, 76, 21}},
    {"Edit2", {166, 208, 446, 21}},
    // Translated side.
    {"Eff", {0, 238, 537, 21}},
    {"atlatszo2", {577, 240, 93, 17}},
    {"BitBtn4", {0, 260, 41, 28}},
    {"Fsave", {48, 260, 41, 28}},
    {"Button9", {144, 260, 17, 28}},
    {"Fsorbe", {168, 260, 41, 28}},
    {"FsorDel", {216, 260, 41, 28}},
    {"BFell", {264, 260, 41, 28}},
    {"EkerF", {312, 262, 121, 21}},
    {"BkerF", {440, 260, 25, 25}},
    {"EFfm", {634, 248, 33, 21}},
    {"Button4", {613, 271, 57, 17}},
    {"Racsff", {0, 288, 673, 159}},
    {"Edit4", {14, 447, 76, 21}},
    {"Edit5", {90, 447, 76, 21}},
    {"Edit6", {166, 447, 439, 21}},
    {"Button5", {609, 447, 57, 17}},
    {"EFszazalek", {520, 472, 150, 17}},
    // Bottom row.
    {"Bfvissza", {8, 476, 145, 33}},
    {"BfKilepes", {296, 476, 145, 33}},
    {"ido1", {548, 490, 0, 0}},
};

constexpr WindowLayout kLayout1024{678, 616, kPlaces1024};
constexpr WindowLayout kLayout800{681, 565, kPlaces800};

}  // namespace

const WindowLayout& TranslationLayout1024() {
  return kLayout1024;
}

const WindowLayout& TranslationLayout800() {
  return kLayout800;
}

}  // namespace translation
