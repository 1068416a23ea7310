#include "ferestre/pagina/FereastraPagina.h"

#include "ferestre/import/DialogDetaliiProblema.h"
#include "ferestre/pagina/VederePagina.h"
#include "interfete/Platforma.h"
#include "logica/pagina/AnalizaPagina.h"
#include "logica/pagina/SalvarePagina.h"
#include "model/Colectie.h"
#include "model/CuNumar.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace tezaurel {

namespace {

// Runs lucru on a worker while a progress dialog offers to cancel; the
// windows keep being drawn meanwhile.
template <typename T>
T CuProgres(QWidget *parinte, const QString &text, std::atomic<bool> &anulare,
            const std::atomic<int> *procent, std::function<T()> lucru)
{
    QProgressDialog progres(text, QStringLiteral("Anulare"), 0, procent ? 100 : 0, parinte);
    progres.setWindowModality(Qt::WindowModal);
    progres.setMinimumDuration(200);
    QFutureWatcher<T> urmarire;
    QEventLoop bucla;
    QObject::connect(&urmarire, &QFutureWatcher<T>::finished, &bucla, &QEventLoop::quit);
    QTimer ceas;
    QObject::connect(&ceas, &QTimer::timeout, &progres, [&] {
        if (procent)
            progres.setValue(*procent);
        if (progres.wasCanceled())
            anulare = true;
    });
    urmarire.setFuture(QtConcurrent::run(std::move(lucru)));
    ceas.start(100);
    if (!urmarire.isFinished())
        bucla.exec();
    return urmarire.result();
}

struct AlegereScanare
{
    QString Dispozitiv;
    OptiuniScanare Optiuni;
};

// The scanner and how to scan, asked in one small form.
std::optional<AlegereScanare> CereScanarea(QWidget *parinte,
                                           const std::vector<DispozitivScanare> &dispozitive)
{
    QDialog forma(parinte);
    forma.setWindowTitle(QStringLiteral("Scanează"));
    auto *asezare = new QFormLayout(&forma);
    auto *scanere = new QComboBox(&forma);
    for (const auto &d : dispozitive)
        scanere->addItem(d.Descriere.trimmed().isEmpty() ? d.Nume : d.Descriere, d.Nume);
    auto *rezolutie = new QSpinBox(&forma);
    rezolutie->setRange(75, 1200);
    rezolutie->setValue(300);
    rezolutie->setSuffix(QStringLiteral(" dpi"));
    auto *culori = new QComboBox(&forma);
    culori->addItems({QStringLiteral("Tonuri de gri"), QStringLiteral("Color")});
    auto *alimentator = new QCheckBox(QStringLiteral("Toate foile din alimentator"), &forma);
    asezare->addRow(QStringLiteral("Scaner:"), scanere);
    asezare->addRow(QStringLiteral("Rezoluție:"), rezolutie);
    asezare->addRow(QStringLiteral("Culori:"), culori);
    asezare->addRow(alimentator);
    auto *butoane = new QDialogButtonBox(&forma);
    butoane->addButton(QStringLiteral("Scanează"), QDialogButtonBox::AcceptRole);
    butoane->addButton(QStringLiteral("Anulare"), QDialogButtonBox::RejectRole);
    QObject::connect(butoane, &QDialogButtonBox::accepted, &forma, &QDialog::accept);
    QObject::connect(butoane, &QDialogButtonBox::rejected, &forma, &QDialog::reject);
    asezare->addRow(butoane);
    if (forma.exec() != QDialog::Accepted)
        return std::nullopt;
    return AlegereScanare{
        scanere->currentData().toString(),
        {rezolutie->value(), culori->currentIndex() == 1, alimentator->isChecked()}};
}

QPushButton *Buton(QVBoxLayout *coloana, const QString &text, const QKeySequence &tasta)
{
    auto *buton = new QPushButton(text);
    buton->setShortcut(tasta);
    buton->setToolTip(tasta.toString(QKeySequence::NativeText));
    coloana->addWidget(buton);
    return buton;
}

} // namespace

FereastraPagina::FereastraPagina(Colectie &definitii, MotorRecunoastere motor,
                                 FabricaScannere scannere, QWidget *parent)
    : QDialog(parent)
    , m_definitii(definitii)
    , m_motor(std::move(motor))
    , m_scannere(std::move(scannere))
    , m_vedere(new VederePagina(this))
    , m_stare(new QLabel(this))
    , m_pastreaza(new QCheckBox(QStringLiteral("Păstrează pagina originală în Tezaurel.db"), this))
{
    setWindowTitle(QStringLiteral("Pagină cu mai multe probleme"));
    auto *asezare = new QHBoxLayout(this);
    asezare->addWidget(m_vedere, 1);
    auto *coloana = new QVBoxLayout;
    asezare->addLayout(coloana);
    connect(Buton(coloana, QStringLiteral("Deschide pagina…"), QKeySequence::Open),
            &QPushButton::clicked, this, &FereastraPagina::LaDeschide);
    connect(Buton(coloana, QStringLiteral("Scanează…"), QKeySequence(QStringLiteral("Ctrl+N"))),
            &QPushButton::clicked, this, &FereastraPagina::LaScaneaza);
    coloana->addSpacing(12);
    connect(
        Buton(coloana, QStringLiteral("Împarte caseta"), QKeySequence(QStringLiteral("Ctrl+T"))),
        &QPushButton::clicked, this, &FereastraPagina::LaImparte);
    connect(
        Buton(coloana, QStringLiteral("Unește casetele"), QKeySequence(QStringLiteral("Ctrl+U"))),
        &QPushButton::clicked, this, [this] {
            if (m_vedere->Alese().size() < 2)
                m_definitii.platforma().Mesaj(
                    QStringLiteral("Alegeți cel puțin două casete (Ctrl+clic) ca să le uniți."));
            m_vedere->Uneste();
        });
    connect(Buton(coloana, QStringLiteral("Șterge casetele"), QKeySequence::Delete),
            &QPushButton::clicked, this, [this] {
                if (m_vedere->Alese().empty())
                    m_definitii.platforma().Mesaj(
                        QStringLiteral("Alegeți mai întâi casetele de șters (un clic pe ele)."));
                m_vedere->StergeAlese();
            });
    coloana->addSpacing(12);
    connect(Buton(coloana, QStringLiteral("Detalii pentru pagină…"),
                  QKeySequence(QStringLiteral("Ctrl+D"))),
            &QPushButton::clicked, this, &FereastraPagina::LaDetaliiPagina);
    connect(Buton(coloana, QStringLiteral("Detalii pentru casetă…"),
                  QKeySequence(QStringLiteral("Ctrl+Shift+D"))),
            &QPushButton::clicked, this, &FereastraPagina::LaDetaliiCaseta);
    coloana->addWidget(m_pastreaza);
    m_stare->setWordWrap(true);
    m_stare->setFixedWidth(230);
    m_stare->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    coloana->addWidget(m_stare, 1);
    m_salveaza = Buton(coloana, QStringLiteral("Salvează problemele"), QKeySequence::Save);
    connect(m_salveaza, &QPushButton::clicked, this, &FereastraPagina::LaSalveaza);
    connect(Buton(coloana, QStringLiteral("Închide"), QKeySequence(Qt::Key_Escape)),
            &QPushButton::clicked, this, &QDialog::reject);
    connect(m_vedere, &VederePagina::Schimbata, this, &FereastraPagina::Actualizeaza);
    resize(1000, 700); // fits a 1024x768 screen with its task bar
    Actualizeaza();
}

FereastraPagina::~FereastraPagina() = default;

void FereastraPagina::LaDeschide()
{
    const QString cale = m_definitii.platforma().AlegeFisier(QDir::homePath());
    if (!cale.isEmpty())
        DeschideFisier(cale);
}

bool FereastraPagina::DeschideFisier(const QString &cale)
{
    QString eroare;
    const QImage poza = CitestePagina(cale, eroare);
    if (poza.isNull()) {
        m_definitii.platforma().Mesaj(eroare);
        return false;
    }
    QFile fisier(cale);
    const QByteArray original = fisier.open(QIODevice::ReadOnly) ? fisier.readAll() : QByteArray();
    m_urmatoare.clear();
    Analizeaza(poza, original, QFileInfo(cale).fileName());
    return true;
}

void FereastraPagina::LaScaneaza()
{
    if (!m_scannere) {
        m_definitii.platforma().Mesaj(QStringLiteral("Scanarea nu este disponibilă."));
        return;
    }
    auto scanner = m_scannere();
    QString eroare;
    const auto dispozitive = scanner->Dispozitive(eroare);
    if (dispozitive.empty()) {
        m_definitii.platforma().Mesaj(
            eroare.isEmpty() ? QStringLiteral("Nu a fost găsit niciun scaner.") : eroare);
        return;
    }
    const auto alegere = CereScanarea(this, dispozitive);
    if (!alegere)
        return;
    std::atomic<bool> anulare = false;
    std::atomic<int> procent = 0;
    const RezultatScanare rezultat =
        CuProgres<RezultatScanare>(this, QStringLiteral("Se scanează…"), anulare, &procent, [&] {
            return scanner->Scaneaza(
                alegere->Dispozitiv, alegere->Optiuni, [&](int, int p) { procent = p; }, anulare);
        });
    if (!rezultat.Eroare.isEmpty())
        m_definitii.platforma().Mesaj(rezultat.Eroare);
    if (rezultat.Pagini.empty())
        return;
    m_urmatoare.assign(rezultat.Pagini.begin() + 1, rezultat.Pagini.end());
    Analizeaza(rezultat.Pagini.front(), {}, QStringLiteral("scanare.png"));
}

void FereastraPagina::Analizeaza(const QImage &poza, const QByteArray &original,
                                 const QString &nume)
{
    std::atomic<bool> anulare = false;
    const auto analiza = CuProgres<std::optional<PaginaAnalizata>>(
        this, QStringLiteral("Se îndreaptă și se citește pagina…"), anulare, nullptr, [&] {
            // An engine belongs to the thread that uses it.
            auto motor = m_motor.Creeaza ? m_motor.Creeaza() : nullptr;
            return AnalizeazaPagina(poza, motor.get(), anulare);
        });
    if (!analiza)
        return;
    m_original = original;
    m_poza = poza;
    m_numeSursa = nume;
    m_randuri = analiza->Randuri;
    m_eroareAnaliza = m_motor.Creeaza ? analiza->Eroare : m_motor.Indisponibil;
    std::vector<CasetaPagina> casete;
    for (const auto &c : analiza->Cutii)
        casete.push_back({c.Cutie, c.Numar, c.Avertisment, {}});
    m_vedere->SeteazaPagina(analiza->Pagina, std::move(casete));
}

void FereastraPagina::LaImparte()
{
    const auto alese = m_vedere->Alese();
    if (alese.size() != 1) {
        m_definitii.platforma().Mesaj(QStringLiteral("Alegeți o singură casetă de împărțit."));
        return;
    }
    m_vedere->Imparte(LiniaDeImpartire(m_randuri, m_vedere->Casete()[size_t(alese[0])].Cutie));
}

std::optional<DetaliiProblema> FereastraPagina::CereDetalii(const QString &titlu,
                                                            const DetaliiProblema &initiale)
{
    DialogDetaliiProblema forma(titlu, QStringLiteral("Aplică"), initiale,
                                CapitoleExistente(m_definitii), DisciplineExistente(m_definitii),
                                this);
    forma.Accepta = [this](const DetaliiProblema &d) {
        const auto motiv = VerificaDetalii(d);
        if (motiv)
            m_definitii.platforma().Mesaj(*motiv);
        return !motiv;
    };
    if (forma.exec() != QDialog::Accepted)
        return std::nullopt;
    return forma.Detalii();
}

void FereastraPagina::LaDetaliiPagina()
{
    if (auto d = CereDetalii(QStringLiteral("Detalii pentru toate problemele paginii"),
                             m_detaliiPagina.value_or(DetaliiProblema())))
        m_detaliiPagina = d;
    Actualizeaza();
}

void FereastraPagina::LaDetaliiCaseta()
{
    const auto alese = m_vedere->Alese();
    if (alese.empty()) {
        m_definitii.platforma().Mesaj(QStringLiteral("Alegeți mai întâi caseta (un clic pe ea)."));
        return;
    }
    CasetaPagina &prima = m_vedere->Casete()[size_t(alese[0])];
    const auto d = CereDetalii(QStringLiteral("Detalii pentru casetele alese"),
                               prima.Detalii.value_or(m_detaliiPagina.value_or(DetaliiProblema())));
    if (d)
        for (int i : alese)
            m_vedere->Casete()[size_t(i)].Detalii = d;
    Actualizeaza();
}

void FereastraPagina::LaSalveaza()
{
    auto &casete = m_vedere->Casete();
    if (casete.empty()) {
        m_definitii.platforma().Mesaj(QStringLiteral("Pe pagină nu este nicio casetă de salvat."));
        return;
    }
    if (!m_detaliiPagina && !(m_detaliiPagina = CereDetalii(
                                  QStringLiteral("Detalii pentru toate problemele paginii"), {})))
        return;
    ImportPagina import{m_vedere->Pagina(), m_numeSursa, {}, {}};
    if (m_pastreaza->isChecked()) {
        import.Original = m_original;
        if (import.Original.isEmpty()) { // a scan has no file: the page as scanned
            QBuffer buffer(&import.Original);
            buffer.open(QIODevice::WriteOnly);
            m_poza.save(&buffer, "PNG");
        }
    }
    for (const auto &c : casete)
        import.Probleme.push_back(
            {c.Cutie, c.Detalii.value_or(*m_detaliiPagina), TextDin(m_randuri, c.Cutie)});
    const RaportPagina raport = SalveazaPagina(m_definitii, import);
    const int adaugate = int(raport.Adaugate.size());
    QString text =
        adaugate == 0 ? QStringLiteral("Nu a fost adăugată nicio problemă.")
        : adaugate == 1
            ? QStringLiteral("A fost adăugată o problemă.")
            : QStringLiteral("Au fost adăugate %1.")
                  .arg(CuNumar(adaugate, QStringLiteral("problemă"), QStringLiteral("probleme")));
    if (!raport.Omise.isEmpty())
        text += QStringLiteral("\n\nNu au fost adăugate:\n") + raport.Omise.join(QLatin1Char('\n'));
    m_definitii.platforma().Mesaj(text);
    if (raport.Adaugate.isEmpty())
        return;
    // Saved once: the boxes go, so a second click cannot add them again.
    m_vedere->SeteazaPagina(m_vedere->Pagina(), {});
    if (!m_urmatoare.empty()) {
        const QImage urmatoarea = m_urmatoare.front();
        m_urmatoare.pop_front();
        Analizeaza(urmatoarea, {}, m_numeSursa);
    }
}

void FereastraPagina::Actualizeaza()
{
    QStringList randuri;
    const auto &casete = m_vedere->Casete();
    if (m_vedere->Pagina().isNull())
        randuri << QStringLiteral("Deschideți sau scanați o pagină.");
    else
        randuri << QStringLiteral("Casete pe pagină: %1.").arg(casete.size());
    if (!m_eroareAnaliza.isEmpty())
        randuri << m_eroareAnaliza;
    const int avertizate = int(std::count_if(
        casete.begin(), casete.end(), [](const auto &c) { return !c.Avertisment.isEmpty(); }));
    if (avertizate > 0)
        randuri << QStringLiteral("Casete de verificat (roșii): %1.").arg(avertizate);
    for (int i : m_vedere->Alese())
        if (!casete[size_t(i)].Avertisment.isEmpty())
            randuri
                << QStringLiteral("Caseta %1: %2").arg(i + 1).arg(casete[size_t(i)].Avertisment);
    randuri << (m_detaliiPagina ? QStringLiteral("Detaliile paginii: clasa %1, %2, %3.")
                                      .arg(m_detaliiPagina->Clasa)
                                      .arg(m_detaliiPagina->Disciplina, m_detaliiPagina->Capitol)
                                : QStringLiteral("Detaliile paginii nu sunt încă date."));
    if (!m_urmatoare.empty())
        randuri << QStringLiteral("Pagini scanate care urmează: %1.").arg(m_urmatoare.size());
    m_stare->setText(randuri.join(QStringLiteral("\n\n")));
    m_salveaza->setEnabled(!casete.empty());
}

} // namespace tezaurel
