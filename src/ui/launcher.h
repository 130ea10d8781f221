#pragma once
// The launch button: the selected tune alone, or the play list entry by entry.

struct WindowContext;

class Launcher {
public:
    // Connects Command1's click.
    explicit Launcher(WindowContext& context);

    // Command1: one tune in "simple" mode, the play list in the list modes.
    void launch();

    // Starts the player on target_file with the ticked switches, without waiting.
    void exec_ravu_api();

    // Starts the player once per list entry, in order, each after the previous run ended.
    // Returns after the last run, a failed start, or when the program is ending. A list
    // play started meanwhile takes over: this one ends once its current run has ended.
    void exec_ravu_alb();

private:
    WindowContext& m_context;
    int m_walks = 0; // list plays started; the latest is the one that goes on
};
