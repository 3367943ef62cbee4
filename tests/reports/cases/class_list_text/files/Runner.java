interface Runner {
  void run(int speed);
  int laps();
}

class Track implements Runner {
  private int length;
  int width, depth;
  public void run(int speed) {
    if (speed > 0) {
      length = speed;
    }
  }
  public int laps() {
    return length;
  }
}
