#include "dialogs/font_chooser.h"

#include "framework/font_pick.h"
#include "framework/message_box.h"

#include <QAbstractItemModel>
#include <QIntValidator>
#include <QListView>

FontChooser::FontChooser(QWidget *parent)
    : QFontDialog(parent)
{
    prepareFontDialog(*this);
    limitSizes();
}

// QFontDialog has no size limit of its own: narrow its size box's validator
// and hide the larger entries of its size list. done() is the real guard,
// should a later Qt build the dialog differently.
void FontChooser::limitSizes()
{
    for (QIntValidator *validator : findChildren<QIntValidator *>())
        validator->setTop(MaxPointSize);
    for (QListView *list : findChildren<QListView *>()) {
        QAbstractItemModel *model = list->model();
        if (!model)
            continue;
        const auto hideLarge = [list, model] {
            for (int row = 0; row < model->rowCount(); ++row) {
                bool number = false;
                const int size = model->index(row, 0).data().toString().toInt(&number);
                list->setRowHidden(row, number && size > MaxPointSize);
            }
        };
        connect(model, &QAbstractItemModel::modelReset, list, hideLarge);
        hideLarge();
    }
}

void FontChooser::done(int result)
{
    const QFont font = currentFont();
    if (result == QDialog::Accepted && font.pointSize() > MaxPointSize) {
        Messages::exec({QMessageBox::Warning, windowTitle(),
                        tr("Size must be between 1 and %1.").arg(MaxPointSize)},
                       this);
        return;
    }
    QFontDialog::done(result);
}
