#include "logica/cautare/RecunoastereFundal.h"

#include "model/CitirePoza.h"
#include "model/Colectie.h"
#include "model/CuNumar.h"

#include <QDateTime>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <utility>

namespace tezaurel {

namespace {
IndexText::Intrare Stare(const QString &cale)
{
    // A missing file counts as empty: it is tried again once it appears.
    const QFileInfo info(cale);
    if (!info.isFile())
        return {0, 0, {}};
    return {info.size(), info.lastModified().toMSecsSinceEpoch(), {}};
}
} // namespace

RecunoastereFundal::RecunoastereFundal(Colectie &definitii, MotorRecunoastere motor)
    : m_definitii(definitii)
    , m_motor(std::move(motor))
{
    IndexText::InregistreazaSchema(m_definitii.Baza());
}

RecunoastereFundal::~RecunoastereFundal()
{
    if (!m_fir)
        return;
    {
        const std::lock_guard blocare(m_mutex);
        m_oprire = true;
    }
    m_semnal.notify_all();
    m_fir->wait();
    delete m_fir;
}

QString RecunoastereFundal::MotivIndisponibil() const
{
    if (!m_motor.Indisponibil.isEmpty())
        return m_motor.Indisponibil;
    if (!m_definitii.Baza().EsteDeschisa())
        return QStringLiteral("Căutarea după cuvinte nu este disponibilă: baza de date %1 nu "
                              "a putut fi deschisă.")
            .arg(m_definitii.Baza().Cale());
    return {};
}

void RecunoastereFundal::Actualizeaza()
{
    if (!MotivIndisponibil().isEmpty())
        return;
    BazaDate &baza = m_definitii.Baza();
    // Read again each time: an import, or another program on the same
    // collection, may have added rows (with their texts) since.
    const auto cunoscute = IndexText::Citeste(baza);
    if (!cunoscute)
        return;
    m_cunoscute = *cunoscute;
    QHash<QString, QString> probleme;
    for (int i = 2; i <= m_definitii.NrProbleme(); ++i) {
        const Problema &p = m_definitii.ProblemaDin(i);
        if (!p.EsteStearsa())
            probleme.insert(p.Fisier.FaraBlancuri(), p.Observatii.FaraBlancuri());
    }
    const std::optional<int> ramase =
        IndexText::Potriveste(baza, probleme, m_cunoscute, RanduriPeTranzactie);
    if (!ramase)
        return;
    // The rest after the events waiting now; the pictures with rows go ahead.
    if (*ramase > 0)
        QTimer::singleShot(0, this, &RecunoastereFundal::Actualizeaza);
    for (auto it = m_trimise.begin(); it != m_trimise.end();)
        it = probleme.contains(*it) ? std::next(it) : m_trimise.erase(it);

    std::deque<Lucrare> noi;
    for (auto it = probleme.cbegin(); it != probleme.cend(); ++it)
        if (!m_trimise.contains(it.key()) && m_cunoscute.contains(it.key())) {
            m_trimise.insert(it.key());
            noi.push_back({it.key(), m_definitii.CaleProbleme() + it.key(), m_cunoscute[it.key()]});
        }
    if (noi.empty())
        return;
    m_ocupat += int(noi.size());
    {
        const std::lock_guard blocare(m_mutex);
        m_coada.insert(m_coada.end(), noi.begin(), noi.end());
    }
    m_semnal.notify_one();
    if (!m_fir) {
        m_fir = QThread::create([this] { Lucreaza(); });
        m_fir->start(QThread::LowPriority);
    }
}

bool RecunoastereFundal::Asteapta(std::deque<Lucrare> &deVerificat, bool asteaptaNou)
{
    std::unique_lock blocare(m_mutex);
    if (asteaptaNou)
        m_semnal.wait(blocare, [this] { return m_oprire || !m_coada.empty(); });
    if (m_oprire)
        return false;
    deVerificat.swap(m_coada);
    return true;
}

void RecunoastereFundal::Lucreaza()
{
    // Made here: an engine belongs to the thread that uses it.
    std::unique_ptr<Recunoastere> motor = m_motor.Creeaza ? m_motor.Creeaza() : nullptr;
    std::deque<Lucrare> deRecunoscut;
    while (true) {
        std::deque<Lucrare> deVerificat;
        if (!Asteapta(deVerificat, deRecunoscut.empty()))
            return;
        // Every picture waiting is looked at before the next is recognised,
        // so the count shown is the whole of what is left.
        int neschimbate = 0;
        std::deque<Lucrare> noi;
        for (Lucrare &l : deVerificat) {
            const IndexText::Intrare acum = Stare(l.Cale);
            if (l.Cunoscuta.Marime == acum.Marime && l.Cunoscuta.Modificat == acum.Modificat) {
                ++neschimbate;
            } else {
                l.Cunoscuta = acum;
                noi.push_back(std::move(l));
            }
        }
        // What was just added goes ahead of what waits: a first start spends
        // an hour on the whole collection, and a picture imported meanwhile
        // must be found by its words within seconds, not at the next start.
        deRecunoscut.insert(deRecunoscut.begin(), std::make_move_iterator(noi.begin()),
                            std::make_move_iterator(noi.end()));
        if (neschimbate || !noi.empty())
            QMetaObject::invokeMethod(
                this, [this, neschimbate, n = int(noi.size())] { Triat(neschimbate, n); },
                Qt::QueuedConnection);
        if (deRecunoscut.empty())
            continue;

        const Lucrare l = std::move(deRecunoscut.front());
        deRecunoscut.pop_front();
        PozaCitita citita = CitestePozaGri(l.Cale);
        std::optional<QString> text;
        std::vector<CuvantRecunoscut> cuvinte;
        if (citita.Rezultat != PozaCitita::Stare::Citita) {
            text = QString(); // not a picture: no text, until the file changes
        } else if (motor) {
            text = motor->Recunoaste(std::exchange(citita.Poza, {}), m_oprire);
            cuvinte = motor->Cuvinte();
        }
        if (m_oprire)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, l, text, cuvinte] {
                Recunoscuta(l.Nume, l.Cunoscuta.Marime, l.Cunoscuta.Modificat, text, cuvinte);
            },
            Qt::QueuedConnection);
    }
}

void RecunoastereFundal::Triat(int neschimbate, int deRecunoscut)
{
    m_ocupat -= neschimbate;
    m_total += deRecunoscut;
    ArataProgres();
}

void RecunoastereFundal::Recunoscuta(const QString &nume, qint64 marime, qint64 modificat,
                                     const std::optional<QString> &text,
                                     const std::vector<CuvantRecunoscut> &cuvinte)
{
    --m_ocupat;
    ++m_gata;
    // A picture purged meanwhile has no row to fill; an engine that failed
    // leaves the row waiting for the next run.
    const auto intrare = m_cunoscute.find(nume);
    if (text && intrare != m_cunoscute.end() &&
        IndexText::Inregistreaza(m_definitii.Baza(), nume, marime, modificat, *text, cuvinte)) {
        intrare->Marime = marime;
        intrare->Modificat = modificat;
    }
    ArataProgres();
}

QString RecunoastereFundal::TextAsteptare(int poze)
{
    if (poze <= 0)
        return {};
    return CuNumar(poze, QStringLiteral("poză"), QStringLiteral("poze")) +
           QStringLiteral(" așteaptă recunoașterea");
}

void RecunoastereFundal::ArataProgres()
{
    if (m_gata >= m_total)
        m_gata = m_total = 0;
    const QString progres = TextAsteptare(m_total - m_gata);
    if (progres != m_progres) {
        m_progres = progres;
        emit Progres(m_progres);
    }
}

} // namespace tezaurel
