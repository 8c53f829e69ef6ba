// toolbar/portable/PaneScroll.cpp: scroll range and steps of the pane.
#include "toolbar/portable/PaneScroll.h"

namespace qv {
namespace {

// Lines of `cellLen` (each followed by `pad`) that fit in `len`.
int FittingLines(int len, int cellLen, int pad) {
  const int step = pad + cellLen;
  return step > 0 ? (pad + len) / step : 0;
}

}  // namespace

PaneScrollPlan PlanPaneScroll(int clientLen, int cellLen, int pad,
                              int totalLines, int savedPos) {
  PaneScrollPlan plan;
  plan.position = savedPos;
  const int visible = FittingLines(clientLen, cellLen, pad);
  if (visible >= totalLines) return plan;
  plan.overflow = true;
  plan.rangeMax = totalLines - visible;
  // A position from an older, longer toolbar (or a damaged value) is pulled
  // back so that the last lines fill the pane.
  if (totalLines - 1 < plan.position) plan.position = plan.rangeMax;
  if (plan.position < 0) plan.position = 0;
  return plan;
}

PaneScrollStep StepPaneScroll(int code, int thumb, int position, int totalLines,
                              int firstTop, int cellLen, int pad, int clientLen,
                              int rowsLen) {
  PaneScrollStep step;
  switch (code) {
    case kScrollLineUp:
    case kScrollPageUp:
      if (position <= 0) return step;
      step.position = position - 1;
      step.firstTop = firstTop + pad + cellLen;
      break;
    case kScrollLineDown:
    case kScrollPageDown:
      // Down to the last line in view, and never past it. A stored position
      // may be as large as an int goes: it is not counted up to compare.
      if (position >= totalLines - 1) return step;
      step.position = position + 1;
      step.firstTop = firstTop - pad - cellLen;
      break;
    case kScrollThumbPosition:
      step.position = thumb;
      step.firstTop = kFirstRowOffset - thumb * (pad + cellLen);
      break;
    case kScrollTop:
      step.position = 0;
      step.firstTop = kFirstRowOffset;
      break;
    case kScrollBottom:
      if (totalLines < 1) return step;
      step.position = totalLines - 1;
      step.firstTop = clientLen - rowsLen + kFirstRowOffset;
      break;
    default:  // thumb tracking and the end of a scroll change nothing
      return step;
  }
  step.moved = true;
  return step;
}

}  // namespace qv
