package scenario;

import java.util.concurrent.CountDownLatch;

// A service: main runs until stop is called.
public class Service {
  private static final CountDownLatch stopped = new CountDownLatch(1);

  public static void main(String[] args) throws InterruptedException {
    System.out.println("main");
    Report.args(args);
    stopped.await();
    System.out.println("main ends");
  }

  public static void stop() {
    System.out.println("stop");
    stopped.countDown();
  }
}
