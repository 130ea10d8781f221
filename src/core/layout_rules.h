#pragma once
// The two windows' resize rules as pure arithmetic on twips, in single precision.

// The main window's four stretching sizes and the edges they are measured from.
struct MainStretch {
    float text1_left = 0;
    float text1_top = 0;
    float text1_width = 0;
    float text1_height = 0;
    float list1_top = 0;
    float list1_height = 0;
    float file1_top = 0;
    float file1_height = 0;
};

// Text1 follows the window's outer width, Text1, List1 and File1 the client height (status
// bar strip included). A size that would come out 0 or less stays as it was, so a minimised
// or very small window keeps the last sizes.
MainStretch main_resize_rule(const MainStretch& current, float outer_width, float client_height);

// The trial-play window's moving parts.
struct TrialLayout {
    float command2_left = 0;
    float text1_left = 0;
    float text1_top = 0;
    float text1_width = 0;
    float text1_height = 0;
};

// Command2 keeps 1905 twips from the outer right edge (it may go negative), Text1 fills the
// rest with 200 twips to spare; a Text1 size of 0 or less stays as it was.
TrialLayout trial_layout_rule(const TrialLayout& current, float outer_width, float client_height);
