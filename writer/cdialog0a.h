#pragma once

#include "ui/propertypage.h"

#include <QRect>

#include <functional>
#include <memory>

namespace Ui {
class Page108Albums;
}

namespace suiteapi {
struct WorkstreeFunctions;
}

namespace writer {

struct ExportSettings;

// Page 108: the albums to export, chosen in workstree's tree of the
// suite's bookshelves, which enforces the rules the page's texts state.
// The first Next has workstree build G_PHOTO.mdb of the chosen albums with
// the wizard disabled; workstree's completion message then presses Next
// again when the database holds photos. The two instruction texts fill the
// bands that the tree's fixed rectangle leaves above and below it (60 and 80
// pixels), in an 8-point font so that they fit whole.
class CDialog0A final : public ui::PropertyPage
{
    Q_OBJECT

public:
    // The message workstree posts to the page when the build has ended:
    // first parameter nonzero when the database holds photos.
    static constexpr unsigned PhotoMdbBuilt = 2025;
    // The screen's horizontal logical pixels per inch (LOGPIXELSX).
    using LogicalDpi = std::function<int()>;

    CDialog0A(ExportSettings &settings, const suiteapi::WorkstreeFunctions &workstree,
              QWidget *parent = nullptr);
    ~CDialog0A() override;

    // The screen's by default; tests give another.
    void setLogicalDpi(LogicalDpi dpi);
    // Where the tree is drawn in the page at that resolution.
    QRect treeRectangle(int logicalDpi) const;

    bool onSetActive() override;
    int onWizardNext() override;

protected:
    bool event(QEvent *event) override;

private:
    void createTree();
    void onPhotoMdbBuilt(bool hasPhotos);

    ExportSettings &m_settings;
    const suiteapi::WorkstreeFunctions &m_workstree;
    std::unique_ptr<Ui::Page108Albums> m_ui;
    LogicalDpi m_logicalDpi;
    // G_PHOTO.mdb has been built for the selection as it stands: the next
    // Next leaves the page.
    bool m_bReady = false;
};

} // namespace writer
