#include "core/calculator_tab.h"
#include "core/schematic_picture.h"
#include "core/tab_strip.h"
#include "gui_test.h"

#include <QAccessible>
#include <QGroupBox>

namespace oq {
namespace {

QString AccessibleName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

// A screen reader names every control the keyboard reaches and every group of options, and
// describes every schematic.
TEST_F(MainFormTest, EveryControlHasANameAScreenReaderReads) {
    for (int t = 0; t < form->strip()->count(); ++t) {
        const QWidget* page = form->strip()->widget(t);
        SCOPED_TRACE(form->strip()->tabText(t).toStdString());
        for (SchematicPicture* picture : page->findChildren<SchematicPicture*>()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(picture);
            ASSERT_NE(face, nullptr);
            EXPECT_FALSE(face->text(QAccessible::Description).isEmpty());
        }
        for (QWidget* w : page->findChildren<QWidget*>()) {
            const bool focusable = w->focusPolicy() != Qt::NoFocus && w->isEnabledTo(page);
            // The PI-net and T-net resistors were read as "Unknown", their frame's title.
            if (focusable || qobject_cast<QGroupBox*>(w)) {
                EXPECT_FALSE(AccessibleName(w).trimmed().isEmpty())
                    << w->metaObject()->className() << " " << w->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace oq
