#pragma once

#include <QChar>
#include <QString>
#include <memory>

// A node of an expression tree: an operator with the operands before and after it, or a leaf
// (a number, a variable or constant name, or a function code).
struct Tree {
    QString text;
    std::unique_ptr<Tree> after;
    std::unique_ptr<Tree> before;

    bool isLeaf() const { return !after && !before; }
};

// True for a text that becomes a leaf: a function code ("s", "c", "t", "n", "g", "r"), a name
// x, a, b, c, d, pi, e (any case), or a number in its shortest form (IsLongDouble).
bool IsZahl(const QString& text, QChar decimalSymbol);

enum class TreeResult {
    Built,
    Invalid,  // the text is no valid expression
    TooLarge, // longer than 65536 characters, or more than 1000 levels deep: too large to build and
              // evaluate safely
};

// Builds the tree of a cleaned-up text into node. A leading "-" reads as "0-". Unless Built,
// node holds the part built so far and must not be evaluated.
TreeResult MakeTree(Tree& node, const QString& text, QChar decimalSymbol);
