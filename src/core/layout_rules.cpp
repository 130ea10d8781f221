#include "layout_rules.h"

namespace {

// Sets size to value when value is greater than 0; otherwise the size stays.
void set_if_positive(float& size, float value)
{
    if (value > 0.0f)
        size = value;
}

} // namespace

MainStretch main_resize_rule(const MainStretch& current, float outer_width, float client_height)
{
    MainStretch next = current;
    set_if_positive(next.text1_width, outer_width - (next.text1_left + 200.0f));
    set_if_positive(next.text1_height, client_height - (next.text1_top + 350.0f));
    set_if_positive(next.list1_height, client_height - (next.list1_top + 350.0f));
    set_if_positive(next.file1_height, client_height - (next.file1_top + 350.0f));
    return next;
}

TrialLayout trial_layout_rule(const TrialLayout& current, float outer_width, float client_height)
{
    TrialLayout next = current;
    next.command2_left = outer_width - 1905.0f;
    set_if_positive(next.text1_width, outer_width - (next.text1_left + 200.0f));
    set_if_positive(next.text1_height, client_height - (next.text1_top + 200.0f));
    return next;
}
