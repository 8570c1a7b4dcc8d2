#pragma once

#include "shell/AllowancesLogic.h"

#include <QDialog>

#include <array>

class AppContext;
class QLineEdit;

// Twelve rows of frequently used names and Save; the Allowances and the
// Organisations lists differ only in their texts and keys.
class NameListDialog : public QDialog {
    Q_OBJECT
public:
    NameListDialog(AppContext& context, NameList list, QWidget* parent);

protected:
    void OnBnClickedSave();

    AllowancesLogic m_logic;
    std::array<QLineEdit*, 12> m_rows{};
};

// The frequently used Allowances list.
class CAllowances1 : public NameListDialog {
    Q_OBJECT
public:
    explicit CAllowances1(AppContext& context, QWidget* parent = nullptr);
};
