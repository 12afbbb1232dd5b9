#pragma once

#include <QWidget>

namespace ui {

class DataExchange;
class WizardSheet;

// One page of a wizard sheet, made from the dialog template with the same
// id. The sheet calls the notifications; pages override the ones they need.
class PropertyPage : public QWidget
{
    Q_OBJECT

public:
    PropertyPage(int templateId, const QString &caption, QWidget *parent = nullptr);
    ~PropertyPage() override;

    int templateId() const { return m_templateId; }
    const QString &caption() const { return m_caption; }
    // The sheet the page was added to, nullptr before.
    WizardSheet *sheet() const;

    // The size of the dialog template, in dialog units of the page's font.
    void setTemplateSize(int widthUnits, int heightUnits);

    // Once, before the page is first activated (WM_INITDIALOG): by default
    // shows the variables in the controls.
    virtual void onInitDialog();
    // Page activated (PSN_SETACTIVE): by default refreshes the controls from
    // the variables. False declines the activation: the sheet passes over
    // the page in the direction of travel, unless the page named another
    // to show instead (declineActivationFor).
    virtual bool onSetActive();
    // Page about to be left by Next or Back (PSN_KILLACTIVE), after the
    // page's Next or Back handler chose where to go: by default takes over
    // the controls' values; false keeps the page.
    virtual bool onKillActive();
    // Next / Back pressed: 0 for the neighbour in page order, a template id
    // to jump to, or WizardSheet::Stay.
    virtual int onWizardNext();
    virtual int onWizardBack();
    // Finish pressed: true ends the wizard with the finish result. The sheet
    // does not call onKillActive first.
    virtual bool onWizardFinish();

    // Takes over the controls' values into the variables (true) or shows the
    // variables in the controls (false); false when validation failed, after
    // the framework's message, with the focus on the offending control.
    bool updateData(bool saveAndValidate = true);

    // The control of this page with the given id, nullptr when missing.
    QWidget *control(int controlId) const;
    template <typename Widget>
    Widget *control(int controlId) const
    {
        return qobject_cast<Widget *>(control(controlId));
    }

protected:
    // Binds variables to controls; the default binds nothing.
    virtual void doDataExchange(DataExchange &exchange);
    // Asks the sheet to show these buttons (WizardSheet::Back | Next | Finish).
    void setWizardButtons(int buttons);
    // Returned by onSetActive to decline the activation and have the sheet
    // show the page with this template id instead, as PSN_SETACTIVE answered
    // with a page's resource id does: false.
    bool declineActivationFor(int templateId);

private:
    friend class WizardSheet;

    int m_templateId;
    QString m_caption;
    // Set by declineActivationFor, taken by the sheet; 0 for none.
    int m_declinedFor = 0;
};

} // namespace ui
