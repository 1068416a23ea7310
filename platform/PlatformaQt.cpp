#include "platform/PlatformaQt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSoundEffect>
#include <QUrl>

PlatformaQt::PlatformaQt() = default;
PlatformaQt::~PlatformaQt() = default;

void PlatformaQt::Mesaj(const QString &text)
{
    QMessageBox caseta(QMessageBox::NoIcon, TitluAplicatie, text, QMessageBox::Ok,
                       QApplication::activeWindow());
    caseta.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    caseta.exec();
}

bool PlatformaQt::IntrebareDaNu(const QString &text)
{
    QMessageBox caseta(QMessageBox::NoIcon, TitluAplicatie, text,
                       QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    caseta.button(QMessageBox::Yes)->setText(QStringLiteral("Da"));
    caseta.button(QMessageBox::No)->setText(QStringLiteral("Nu"));
    caseta.setDefaultButton(QMessageBox::Yes);
    return caseta.exec() == QMessageBox::Yes;
}

std::optional<QString> PlatformaQt::CitesteText(const QString &intrebare)
{
    QInputDialog caseta(QApplication::activeWindow());
    caseta.setWindowTitle(TitluAplicatie);
    caseta.setLabelText(intrebare);
    caseta.setOkButtonText(QStringLiteral("OK"));
    caseta.setCancelButtonText(QStringLiteral("Anulare"));
    if (caseta.exec() != QDialog::Accepted)
        return std::nullopt;
    return caseta.textValue();
}

QString PlatformaQt::AlegeFisier(const QString &dosarInitial)
{
    // The desktop's own dialog where there is one; Qt's own otherwise, which
    // gets Romanian labels since Qt ships no Romanian catalogue.
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Deschide"), dosarInitial);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Cauta in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nume fisier:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tip fisier:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Deschide"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Anulare"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString PlatformaQt::AlegeFisierSalvare(const QString &propus)
{
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Salvează lucrarea"), propus);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Documente PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(propus);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Caută în:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nume fișier:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tip fișier:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Salvează"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Anulare"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void PlatformaQt::CantaSunet(const QString &cale)
{
    if (!QFileInfo(cale).isFile()) {
        QApplication::beep();
        return;
    }
    if (!m_sunet)
        m_sunet = std::make_unique<QSoundEffect>();
    const QUrl sursa = QUrl::fromLocalFile(cale);
    if (m_sunet->source() != sursa)
        m_sunet->setSource(sursa);
    m_sunet->play();
}

void PlatformaQt::DeschideAjutor(const QString &cale)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(cale));
}

bool PlatformaQt::StergeFisier(const QString &cale)
{
    return QFile::remove(cale);
}
