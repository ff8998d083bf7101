// layer_link_check.cpp - the program that links one layer of the library whole (every object of
// it) with the layers below it and nothing else: a call upward from any file of the layer has no
// definition here and fails the link. It never runs.
int main() { return 0; }
