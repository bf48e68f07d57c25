# The record targets, as fuzz_classes.h names them.
set(ORUVEL_RECORD_TARGETS window tabpanel popupmenu littlearrows statictext listbox
    pushbutton editfield separator rectangle canvas)
