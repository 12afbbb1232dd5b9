#pragma once

class QLineEdit;

namespace ui {
class PropertyPage;
}

// What the two options pages (130 and 131) share: the start media number
// box and the checks on Next.
namespace writer {

struct ExportSettings;

// Activation: a page number of 0 or above the range shows as "1", taken
// over with its text selected.
void showValidStartMedia(QLineEdit *box, unsigned &pageNumber, ExportSettings &settings);

// Next: the start media number taken over as the box holds it, even when a
// check then keeps the page; then the identifier checks. False, after the
// check's message (if it has one), when the page stays.
bool takeOverAndCheckIdentifiers(ui::PropertyPage &page, const QLineEdit *box,
                                 ExportSettings &settings);

} // namespace writer
