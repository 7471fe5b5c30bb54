#pragma once

#include <QDialog>

class CHyperLink;
class MessagePresenter;

// The About dialog: banner, version and two links.
class CAbout final : public QDialog {
    Q_OBJECT

public:
    inline static const char* kSupportAddress = "https://tolvane.example/support";
    inline static const char* kHomeAddress = "https://tolvane.example/";

    explicit CAbout(MessagePresenter* messages = nullptr, QWidget* parent = nullptr);
    CHyperLink* SupportLink() const { return m_support; }
    CHyperLink* HomeLink() const { return m_home; }

private:
    CHyperLink* m_support;
    CHyperLink* m_home;
};
