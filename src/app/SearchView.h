#pragma once
#include <QWidget>

class QComboBox;
class QLineEdit;
class Wine;

// One rule row of the main window's search panel: a field, a comparison and a
// value. Rows are combined with AND. The row keeps its condition in plain members,
// so matching a long list does not touch the widgets.
class SearchView : public QWidget {
    Q_OBJECT
public:
    enum Field { Winename, Winery, Food, Appelation, Year, Stock, Points, Score, Price, Alcohol, FieldCount };
    enum Comparison {
        Contains,
        Is,
        BeginsWith,
        IsNot,  // texts and numbers
        Less,   // numbers only
        Greater,
        ComparisonCount
    };

    explicit SearchView(QWidget* parent = nullptr);

    void setRule(Field field, Comparison comparison, const QString& value);
    Field field() const { return m_field; }
    Comparison comparison() const { return m_comparison; }
    QString value() const { return m_value; }
    static bool isNumeric(Field field);

    // True when the wine passes the row's condition.
    bool ruleIsMatching(const Wine& wine) const;
    // The query text so far, extended by this row's condition (joined with " AND ").
    QString sqlRule(const QString& query) const;

Q_SIGNALS:
    void ruleChanged();
    void removeRequested(SearchView* row);

private:
    void takeFromControls();
    void fillComparisons();

    QComboBox* m_fieldBox;
    QComboBox* m_comparisonBox;
    QLineEdit* m_valueEdit;
    Field m_field = Winename;
    Comparison m_comparison = Contains;
    QString m_value;
    double m_number = 0.0;
    bool m_numberValid = false;
};
