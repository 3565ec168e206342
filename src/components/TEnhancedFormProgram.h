#pragma once

class QWidget;
class TEnhancedForm;

enum class ProgramWindowKind {
    MainWindow, // sizeable, icon, minimise, maximise and close buttons
    Dialog,     // fixed dialog frame, close button only
};

// Gives one of the program's windows its decoration, named "EnhancedForm1": the gradient title
// bar from black to the caption colour with the window's caption; application info bold,
// company info bold italic, one colour band per pixel. Call it at the end of the window's
// constructor, after its children and its size are set; the window keeps its client size.
TEnhancedForm* attachProgramDecoration(QWidget* form, ProgramWindowKind kind);
