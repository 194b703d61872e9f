#include "app/SearchView.h"
#include "model/Wine.h"
#include "platform/Strings.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace {
const char* const kFieldTitles[SearchView::FieldCount] = {"Name", "Winery", "Food", "Appellation", "Vintage",
                                                         "Stock", "Points", "Score", "Price", "Alcohol"};
// The column names of the online query.
const char* const kFieldColumns[SearchView::FieldCount] = {"winename", "winery", "food", "appelation", "year",
                                                          "stockbalance", "points", "score", "price", "alcohol"};
const char* const kComparisonTitles[SearchView::ComparisonCount] = {"contains", "is", "begins with", "is not",
                                                                   "is less than", "is greater than"};

double numberOf(const Wine& w, SearchView::Field f)
{
    switch (f) {
    case SearchView::Year:
        return w.year();
    case SearchView::Stock:
        return w.stockbalance();
    case SearchView::Points:
        return w.points();
    case SearchView::Score:
        return double(w.score());
    case SearchView::Price:
        return double(w.price());
    case SearchView::Alcohol:
        return double(w.alcohol());
    default:
        return 0.0;
    }
}

const QString& textOf(const Wine& w, SearchView::Field f)
{
    switch (f) {
    case SearchView::Winery:
        return w.winery();
    case SearchView::Food:
        return w.food();
    case SearchView::Appelation:
        return w.appelationString();
    default:
        return w.winename();
    }
}

// A text inside single quotes with embedded quotes doubled and backslashes escaped.
QString quoted(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    t.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

QString likeEscaped(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('%'), QLatin1String("\\%"));
    t.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return t;
}
}

SearchView::SearchView(QWidget* parent)
    : QWidget(parent)
    , m_fieldBox(new QComboBox(this))
    , m_comparisonBox(new QComboBox(this))
    , m_valueEdit(new QLineEdit(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const char* t : kFieldTitles)
        m_fieldBox->addItem(Strings::tr(QLatin1String(t)));
    auto* remove = new QToolButton(this);
    remove->setText(QStringLiteral("−"));
    remove->setObjectName(QStringLiteral("removeRule"));
    layout->addWidget(m_fieldBox);
    layout->addWidget(m_comparisonBox);
    layout->addWidget(m_valueEdit, 1);
    layout->addWidget(remove);
    fillComparisons();
    connect(m_fieldBox, &QComboBox::currentIndexChanged, this, [this] {
        fillComparisons();
        takeFromControls();
    });
    connect(m_comparisonBox, &QComboBox::currentIndexChanged, this, &SearchView::takeFromControls);
    connect(m_valueEdit, &QLineEdit::textChanged, this, &SearchView::takeFromControls);
    connect(remove, &QToolButton::clicked, this, [this] { Q_EMIT removeRequested(this); });
}

bool SearchView::isNumeric(Field field)
{
    return field >= Year;
}

void SearchView::fillComparisons()
{
    const QSignalBlocker block(m_comparisonBox);
    const int keep = m_comparisonBox->currentData().toInt();
    m_comparisonBox->clear();
    const bool numeric = isNumeric(Field(qMax(0, m_fieldBox->currentIndex())));
    for (int c = 0; c < ComparisonCount; ++c) {
        const bool fits = numeric ? (c == Is || c == IsNot || c == Less || c == Greater) : c <= IsNot;
        if (fits)
            m_comparisonBox->addItem(Strings::tr(QLatin1String(kComparisonTitles[c])), c);
    }
    const int at = m_comparisonBox->findData(keep);
    m_comparisonBox->setCurrentIndex(at < 0 ? 0 : at);
}

void SearchView::takeFromControls()
{
    m_field = Field(qMax(0, m_fieldBox->currentIndex()));
    m_comparison = Comparison(m_comparisonBox->currentData().toInt());
    m_value = m_valueEdit->text();
    m_number = m_value.trimmed().toDouble(&m_numberValid);
    Q_EMIT ruleChanged();
}

void SearchView::setRule(Field field, Comparison comparison, const QString& value)
{
    {
        const QSignalBlocker b1(m_fieldBox), b2(m_valueEdit);
        m_fieldBox->setCurrentIndex(field);
        fillComparisons();
        const QSignalBlocker b3(m_comparisonBox);
        const int at = m_comparisonBox->findData(int(comparison));
        m_comparisonBox->setCurrentIndex(at < 0 ? 0 : at);
        m_valueEdit->setText(value);
    }
    takeFromControls();
}

bool SearchView::ruleIsMatching(const Wine& wine) const
{
    if (isNumeric(m_field)) {
        // An empty or unreadable number restricts nothing.
        if (!m_numberValid)
            return true;
        const double v = numberOf(wine, m_field);
        switch (m_comparison) {
        case IsNot:
            return v != m_number;
        case Less:
            return v < m_number;
        case Greater:
            return v > m_number;
        default:
            return v == m_number;
        }
    }
    const QString& text = textOf(wine, m_field);
    switch (m_comparison) {
    case Is:
        return text.compare(m_value, Qt::CaseInsensitive) == 0;
    case IsNot:
        return text.compare(m_value, Qt::CaseInsensitive) != 0;
    case BeginsWith:
        return text.startsWith(m_value, Qt::CaseInsensitive);
    default:
        return text.contains(m_value, Qt::CaseInsensitive);
    }
}

QString SearchView::sqlRule(const QString& query) const
{
    const QString column = QLatin1String(kFieldColumns[m_field]);
    QString condition;
    if (isNumeric(m_field)) {
        if (!m_numberValid)
            return query;
        const QString n = QString::number(m_number, 'g', 15);
        const char* op = m_comparison == IsNot ? " <> " : m_comparison == Less ? " < " : m_comparison == Greater ? " > " : " = ";
        condition = column + QLatin1String(op) + n;
    } else {
        switch (m_comparison) {
        case Is:
            condition = column + QStringLiteral(" = ") + quoted(m_value);
            break;
        case IsNot:
            condition = column + QStringLiteral(" <> ") + quoted(m_value);
            break;
        case BeginsWith:
            condition = column + QStringLiteral(" LIKE ") + quoted(likeEscaped(m_value) + QLatin1Char('%'));
            break;
        default:
            if (m_value.isEmpty())
                return query;
            condition = column + QStringLiteral(" LIKE ") + quoted(QLatin1Char('%') + likeEscaped(m_value) + QLatin1Char('%'));
            break;
        }
    }
    return query.isEmpty() ? condition : query + QStringLiteral(" AND ") + condition;
}
