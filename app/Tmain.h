#pragma once

#include <QWidget>
#include <memory>

class AdvancedSearch;
struct BuiltWindow;
class AutoSizeLabel;
class ContentData;
class TitleFilter;
class ViewSwitcher;
struct EditionProfile;

// The main window: a borderless, fixed-size window with the whole layout of
// one edition. It owns the controls and the data objects and names the
// handlers; the commands themselves live in browse/ and search/.
class Tmain : public QWidget
{
    Q_OBJECT
public:
    // Builds the layout, opens the data (each failure reported in the error
    // box, one after another) and applies the start view. Not shown yet.
    explicit Tmain(const EditionProfile &edition, QWidget *parent = nullptr);
    ~Tmain() override;

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    void wire(const BuiltWindow &built);
    template <typename T> T *control(const char *name) const;

    void FormCreate();

    void Shape1MouseDown();
    void Shape2MouseDown();
    void Shape3MouseDown();

    void Label1Click();
    void Label3Click();
    void Label6Click();
    void Label4Click();
    void Label5Click();
    void Label7Click();
    void LabelMouseMove(AutoSizeLabel *link);
    void LabelMouseLeave(AutoSizeLabel *link);

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

    void Edit1Change(const QString &text);
    void SpeedButton5Click();

    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();

    ContentData *m_content = nullptr;
    std::unique_ptr<ViewSwitcher> m_views;
    std::unique_ptr<TitleFilter> m_filter;
    std::unique_ptr<AdvancedSearch> m_search;
};
