#include "notes/note_window.h"

// Placeholder until the note window lands: a bare top-level window.
TFR_NOTE::TFR_NOTE(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::Tool)
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(200, 200);
}

TFR_NOTE::~TFR_NOTE() = default;

void TFR_NOTE::InitNewNote() {}

void TFR_NOTE::LoadNote(const QString &fileName)
{
    FileName = fileName;
}

void TFR_NOTE::SaveNote() {}
