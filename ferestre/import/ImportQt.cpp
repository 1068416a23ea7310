#include "ferestre/import/ImportQt.h"

#include "ferestre/import/DialogDetaliiProblema.h"
#include "interfete/Platforma.h"
#include "model/CuNumar.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace tezaurel {

ImportQt::ImportQt(Platforma &platforma, QWidget *parinte)
    : m_platforma(platforma)
    , m_parinte(parinte)
{}

ImportQt::~ImportQt() = default;

std::optional<DetaliiProblema> ImportQt::CereDetalii(const QStringList &capitole,
                                                     const QStringList &discipline, int nrFisiere)
{
    DialogDetaliiProblema forma(QStringLiteral("Detaliile tuturor pozelor"),
                                QStringLiteral("Importă"), DetaliiProblema(), capitole, discipline,
                                m_parinte);
    // Preset to class V and level 5, the form alone looked like the CSV's
    // details: it says why it is asked and how much it touches.
    const QString cate =
        nrFisiere == 0   ? QStringLiteral("niciun fișier")
        : nrFisiere == 1 ? QStringLiteral("un fișier")
                         : CuNumar(nrFisiere, QStringLiteral("fișier"), QStringLiteral("fișiere"));
    forma.Nota(QStringLiteral("Dosarul nu are fișierul probleme.csv: detaliile de mai jos se dau "
                              "fiecărei poze din dosar (%1; ce nu este poză va fi omis).")
                   .arg(cate));
    forma.Accepta = [this](const DetaliiProblema &d) {
        const auto motiv = VerificaDetalii(d);
        if (motiv)
            m_platforma.Mesaj(*motiv);
        return !motiv;
    };
    if (forma.exec() != QDialog::Accepted)
        return std::nullopt;
    return forma.Detalii();
}

void ImportQt::Progres(int facute, int total, const QString &nume)
{
    if (!m_progres) {
        m_progres = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Anulare"), 0,
                                                      total, m_parinte);
        m_progres->setWindowTitle(QStringLiteral("Import"));
        m_progres->setWindowModality(Qt::WindowModal);
        m_progres->setMinimumDuration(0);
        m_progres->setMinimumWidth(400);
        m_progres->setAutoClose(false);
        m_progres->setAutoReset(false);
    }
    m_progres->setLabelText(
        nume.isEmpty()
            ? QStringLiteral("Gata.")
            : QStringLiteral("Adaug %1 (%2 din %3)").arg(nume).arg(facute + 1).arg(total));
    m_progres->setValue(facute);
    QApplication::processEvents();
    if (facute >= total)
        m_progres.reset();
}

bool ImportQt::Anulat()
{
    return m_progres && m_progres->wasCanceled();
}

void ImportQt::ArataRaport(const RaportImport &raport, QWidget *parinte)
{
    QDialog fereastra(parinte);
    fereastra.setWindowTitle(QStringLiteral("Raportul importului"));
    auto *asezare = new QVBoxLayout(&fereastra);
    const QString text = raport.Text();
    const qsizetype primulRand = text.indexOf(QLatin1Char('\n'));
    auto *rezumat = new QLabel(text.left(primulRand), &fereastra);
    asezare->addWidget(rezumat);
    auto *detalii = new QPlainTextEdit(text.mid(primulRand + 1), &fereastra);
    detalii->setReadOnly(true);
    detalii->setVisible(primulRand >= 0);
    asezare->addWidget(detalii);
    auto *butoane = new QDialogButtonBox(QDialogButtonBox::Ok, &fereastra);
    butoane->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    QObject::connect(butoane, &QDialogButtonBox::accepted, &fereastra, &QDialog::accept);
    asezare->addWidget(butoane);
    fereastra.resize(640, primulRand >= 0 ? 360 : 100);
    fereastra.exec();
}

} // namespace tezaurel
