#pragma once

#include <memory>

// The process-wide records that a run through the dialog's buttons writes: the configuration with its run
// flags, the simulation state, the miss kinds and the texts of the name buffers. A front-end that runs
// exercises beside a configuration of the user's own (the page, whose dialog stays open) keeps them while it
// runs and puts them back afterwards, so that the user's next START SIMULARE, report or repaint sees what the
// user's last "Setare mod" and run left, as if no exercise had run.
class KeptRecords {
  public:
    KeptRecords();  // takes a copy of the records
    ~KeptRecords(); // puts the copy back
    KeptRecords(const KeptRecords&) = delete;
    KeptRecords& operator=(const KeptRecords&) = delete;

  private:
    struct Copy;
    std::unique_ptr<Copy> copy_; // on the heap: the simulation state alone is some 45 KB
};
