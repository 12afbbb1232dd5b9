#pragma once

#include "ui/propertypage.h"

class QCheckBox;
class QLineEdit;

namespace writer {

struct ExportSettings;

// What the two options pages (130 and 131) share: the start media number
// box, the Japanese-names and XML-only check boxes, the activation and the
// checks on Next.
class OptionsPage : public ui::PropertyPage
{
    Q_OBJECT

public:
    void onInitDialog() override;
    bool onSetActive() override;

protected:
    OptionsPage(int templateId, int startMediaId, ExportSettings &settings, QWidget *parent);

    // The page's own controls of the three, once its form is set up.
    void connectCommonControls(QLineEdit *startMedia, QCheckBox *japaneseNames,
                               QCheckBox *xmlOnly);
    void doDataExchange(ui::DataExchange &exchange) override;

    // The activation without the framework's part. Showing sets the box,
    // whose change handler stays quiet meanwhile.
    virtual void showOptions() = 0;
    void refresh();
    // A page number of 0 or above the range shows as "1", taken over with
    // its text selected.
    void showValidStartMedia();
    // Next: the start media number taken over as the box holds it, even
    // when a check then keeps the page; then the identifier checks. False,
    // after the check's message (if it has one), when the page stays.
    bool takeOverAndCheckIdentifiers();

    ExportSettings &m_settings;

private:
    void onStartMediaChanged();
    void onJapaneseNamesClicked();
    void onXmlOnlyClicked();

    const int m_startMediaId;
    QLineEdit *m_startMediaEdit = nullptr;
    QCheckBox *m_japaneseNamesCheck = nullptr;
    QCheckBox *m_xmlOnlyCheck = nullptr;
    unsigned m_nStartMedia = 0;
    bool m_bShowing = false;
};

} // namespace writer
