#pragma once

class QAbstractScrollArea;

// Scrolling areas follow a finger or a mouse drag and keep moving when flung, as on a
// phone. Lists (TableView) do this themselves; this is for the other scrolling areas.
namespace KineticScrolling {

void enable(QAbstractScrollArea *area);

} // namespace KineticScrolling
