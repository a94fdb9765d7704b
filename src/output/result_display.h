#pragma once

#include "record/polygon_job.h"
#include "record/prompt.h"
#include "record/result_window.h"

namespace korvelin {

inline constexpr const char* kPausePrompt = "需要输出平差结果，请按输入键,或输入一个任意数";

// The boxes that a run fills with its results: the misclosures, ms and the errors, the shown
// coordinates, the reciprocal weights and the names of the evaluated points.
inline constexpr TextBox kResultBoxes[] = {
    TextBox::Text10, TextBox::Text11, TextBox::Text12, TextBox::Text13, TextBox::Text15,
    TextBox::Text16, TextBox::Text18, TextBox::Text19, TextBox::Text20, TextBox::Text21,
    TextBox::Text22, TextBox::Text23, TextBox::Text24, TextBox::Text25, TextBox::Text26,
    TextBox::Text27, TextBox::Text28, TextBox::Text29,
};

// w(1), w(2) in seconds and w(3) in millimetres, rounded to 2 decimals, into Text10 … Text12.
void showMisclosures(ResultWindow& window, const PolygonJob& job);

// Names of points 2 and 3 with their reciprocal weights (4 and 5 decimals).
void showReciprocalWeights(ResultWindow& window, const PolygonJob& job);

// ms, mx, my of both points, then md of both, in millimetres.
void showErrors(ResultWindow& window, const PolygonJob& job);

// The points in slot order, each after a pause prompt whose answer is ignored.
void showCoordinates(Prompt& prompt, ResultWindow& window, const PolygonJob& job);

}  // namespace korvelin
