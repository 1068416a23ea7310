#include "ferestre/banca/ModelRezultate.h"

#include "logica/banca/FiltruBanca.h"
#include "logica/banca/Miniaturi.h"
#include "logica/banca/ModelBanca.h"
#include "model/Colectie.h"

#include <QColor>
#include <QImage>
#include <QMimeData>

#include <algorithm>

namespace tezaurel {

ModelRezultate::ModelRezultate(Colectie &colectie, ModelBanca &banca, Miniaturi &miniaturi,
                               QObject *parinte)
    : QAbstractListModel(parinte)
    , m_colectie(colectie)
    , m_banca(banca)
    , m_miniaturi(miniaturi)
{
    connect(&banca, &ModelBanca::Schimbat, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&colectie, &Colectie::Schimbata, this, [this] {
        m_cai.clear();
        m_sloturi.clear();
    });
    connect(&miniaturi, &Miniaturi::Gata, this, [this](const QString &cale) {
        const auto &gasite = m_banca.Rezultate();
        const auto gasit = std::find(gasite.begin(), gasite.end(), m_sloturi.value(cale, -1));
        if (gasit != gasite.end()) {
            const int r = int(gasit - gasite.begin());
            emit dataChanged(index(r), index(r), {Qt::DecorationRole});
        }
    });
}

QString ModelRezultate::CalePoza(int slot) const
{
    auto cale = m_cai.find(slot);
    if (cale == m_cai.end()) {
        cale = m_cai.insert(
            slot, m_colectie.CalePoza(m_colectie.ProblemaDin(slot).Fisier.FaraBlancuri()).Cale);
        m_sloturi.insert(*cale, slot);
    }
    return *cale;
}

void ModelRezultate::SeteazaMiniaturi(bool cuMiniaturi)
{
    beginResetModel();
    m_cuMiniaturi = cuMiniaturi;
    endResetModel();
}

int ModelRezultate::rowCount(const QModelIndex &parinte) const
{
    return parinte.isValid() ? 0 : int(m_banca.Rezultate().size());
}

QVariant ModelRezultate::data(const QModelIndex &index, int rol) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int slot = m_banca.Rezultate()[size_t(index.row())];
    const Problema &p = m_colectie.ProblemaDin(slot);
    switch (rol) {
    case Qt::DisplayRole: {
        const QString text = QStringLiteral("%1 · niv. %2 · %3")
                                 .arg(ClasaRomana(p.Clasa))
                                 .arg(p.Nivel)
                                 .arg(p.Capitol.FaraBlancuri());
        return m_cuMiniaturi ? text : text + QStringLiteral(" · ") + p.Fisier.FaraBlancuri();
    }
    case Qt::ToolTipRole:
    case RolPoza:
        return p.Fisier.FaraBlancuri();
    case Qt::DecorationRole: {
        if (!m_cuMiniaturi)
            return {};
        const QImage mica = m_miniaturi.Miniatura(CalePoza(slot));
        if (!mica.isNull())
            return mica;
        // Its place kept while it is made, so the grid does not jump.
        QImage gol(Miniaturi::Latura, Miniaturi::Inaltime, QImage::Format_RGB32);
        gol.fill(QColor(0xee, 0xee, 0xee));
        return gol;
    }
    case Qt::ForegroundRole:
        return p.EsteStearsa() ? QVariant(QColor(Qt::gray)) : QVariant();
    case RolSlot:
        return slot;
    default:
        return {};
    }
}

Qt::ItemFlags ModelRezultate::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
}

QMimeData *ModelRezultate::mimeData(const QModelIndexList &indecsi) const
{
    auto *date = new QMimeData;
    QStringList poze;
    for (const QModelIndex &i : indecsi)
        poze << data(i, RolPoza).toString();
    date->setData(TipPoza, poze.join(QLatin1Char('\n')).toUtf8());
    return date;
}

} // namespace tezaurel
