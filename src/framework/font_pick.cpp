#include "framework/font_pick.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGroupBox>

namespace {

bool sameStyle(const QFont &a, const QFont &b)
{
    return a.weight() == b.weight() && a.italic() == b.italic();
}

} // namespace

std::optional<QFont> pickFont(QFontDialog &dialog, const QFont &preset)
{
    dialog.setCurrentFont(preset);
    // What the dialog shows for the preset: the baseline a change is seen against.
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    QFont result = preset;
    if (chosen.family() != shown.family())
        result.setFamily(chosen.family());
    if (chosen.pointSizeF() != shown.pointSizeF())
        result.setPointSizeF(chosen.pointSizeF());
    if (!sameStyle(chosen, shown)) {
        result.setWeight(chosen.weight());
        result.setItalic(chosen.italic());
    }
    return result;
}

void prepareFontDialog(QFontDialog &dialog)
{
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setCurrentFont(QFont(QStringLiteral("Tahoma"), 8));
    // Qt 6.4 has no option to leave out the effects: hide the group that
    // holds their check boxes.
    for (QGroupBox *group : dialog.findChildren<QGroupBox *>())
        if (!group->findChildren<QCheckBox *>().isEmpty())
            group->hide();
}
