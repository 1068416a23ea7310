#include "platforma/PlatformaQt.h"

#include "ferestre/comune/Iconite.h"
#include "platforma/Modul.h"
#include "platforma/module/Module.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace tezaurel {

namespace {
// The question has two answers and only two: Qt would take Escape or the
// window's close button for "Nu", and the user would be sent on without
// having answered.
class IntrebareFaraRenuntare final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *eveniment) override
    {
        if (!eveniment->matches(QKeySequence::Cancel))
            QMessageBox::keyPressEvent(eveniment);
    }
    void closeEvent(QCloseEvent *eveniment) override { eveniment->ignore(); }
};
} // namespace

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
    IntrebareFaraRenuntare caseta(QMessageBox::NoIcon, TitluAplicatie, text,
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

namespace {
// One wording for every file dialog, even where Qt's catalogue could not be loaded.
void Eticheteaza(QFileDialog &dialog, const QString &accepta)
{
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Caută în:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nume fișier:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tip fișier:"));
    dialog.setLabelText(QFileDialog::Accept, accepta);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Anulare"));
}
} // namespace

QString PlatformaQt::AlegeFisier(const QString &dosarInitial)
{
    // The desktop's own dialog where there is one; Qt's own otherwise, which
    // gets Romanian labels since Qt ships no Romanian catalogue.
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Deschide"), dosarInitial);
    dialog.setFileMode(QFileDialog::ExistingFile);
    Eticheteaza(dialog, QStringLiteral("Deschide"));
    // Qt's own dialog opens too narrow for its columns to show names, sizes
    // and dates whole; wide enough for them, within a 1024 x 768 screen.
    if (const QScreen *ecran = QGuiApplication::primaryScreen())
        dialog.resize(ecran->availableSize().boundedTo(QSize(900, 560)));
    if (auto *coloane = dialog.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        coloane->header()->setStretchLastSection(false);
        coloane->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        coloane->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    if (auto *despartire = dialog.findChild<QSplitter *>(QStringLiteral("splitter")))
        despartire->setSizes({160, 740});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString PlatformaQt::AlegeDosar(const QString &dosarInitial)
{
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Alegeți dosarul"),
                       dosarInitial);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    Eticheteaza(dialog, QStringLiteral("Alege"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dosar:"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString PlatformaQt::AlegeFisierSalvare(const QString &propus)
{
    // The kind of file follows the name proposed: a paper's PDF or document, or a package.
    struct Fel
    {
        const char *Sufix, *Titlu, *Filtru;
    };
    static const Fel feluri[] = {
        {"tezaurel", "Exportă problemele", "Pachete Tezaurel (*.tezaurel)"},
        {"odt", "Salvează lucrarea", "Documente OpenDocument (*.odt)"},
        {"pdf", "Salvează lucrarea", "Documente PDF (*.pdf)"}};
    // Any other name is a paper's PDF, the last kind.
    const Fel *fel = std::find_if(std::begin(feluri), std::end(feluri) - 1, [&](const Fel &f) {
        return propus.endsWith(QLatin1Char('.') + QLatin1String(f.Sufix));
    });
    QFileDialog dialog(QApplication::activeWindow(), QString::fromUtf8(fel->Titlu), propus);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromUtf8(fel->Filtru));
    dialog.setDefaultSuffix(QLatin1String(fel->Sufix));
    dialog.selectFile(propus);
    Eticheteaza(dialog, QStringLiteral("Salvează"));
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
    if (!m_sunet && !m_faraSunet) {
        QString eroare;
        if (const auto fabrica = reinterpret_cast<FabricaSunetFn>(
                FunctieDinModul(CaleModul(ModulSunet), FabricaSunet, eroare)))
            m_sunet.reset(fabrica());
        // Asked once: without its module the program beeps for the rest of the run.
        m_faraSunet = !m_sunet;
    }
    if (m_sunet)
        m_sunet->Canta(cale);
    else
        QApplication::beep();
}

namespace {
// Qt hands a page to xdg-open and counts it opened even when no program on
// the desktop shows web pages; the desktop's choice for HTML says whether one does.
bool ExistaBrowser()
{
    QProcess intrebare;
    intrebare.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                                 QStringLiteral("text/html")});
    return intrebare.waitForFinished(3000) &&
           !intrebare.readAllStandardOutput().trimmed().isEmpty();
}
} // namespace

void PlatformaQt::DeschideAjutor(const QString &cale)
{
    if (ExistaBrowser() && QDesktopServices::openUrl(QUrl::fromLocalFile(cale)))
        return;
    // Qt's own browser reads the same pages, their pictures and links included.
    if (!m_ajutor) {
        m_ajutor = std::make_unique<QDialog>();
        m_ajutor->setWindowTitle(QStringLiteral("Ajutor Tezaurel"));
        m_ajutor->setWindowIcon(IconitaFerestrei("ajutor"));
        auto *pagina = new QTextBrowser(m_ajutor.get());
        pagina->setOpenExternalLinks(true);
        auto *asezare = new QVBoxLayout(m_ajutor.get());
        asezare->setContentsMargins(0, 0, 0, 0);
        asezare->addWidget(pagina);
        if (const QScreen *ecran = QGuiApplication::primaryScreen())
            m_ajutor->resize(ecran->availableSize().boundedTo(QSize(900, 680)) - QSize(8, 32));
    }
    m_ajutor->findChild<QTextBrowser *>()->setSource(QUrl::fromLocalFile(cale));
    m_ajutor->show();
    m_ajutor->raise();
    m_ajutor->activateWindow();
}

bool PlatformaQt::StergeFisier(const QString &cale)
{
    return QFile::remove(cale);
}

} // namespace tezaurel
