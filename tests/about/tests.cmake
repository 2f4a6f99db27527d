# Tests of the About box.
