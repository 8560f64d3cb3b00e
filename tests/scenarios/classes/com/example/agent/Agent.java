package com.example.agent;

import java.util.concurrent.CountDownLatch;
import scenario.Report;

// The shipping guide's service: main runs until stop is called.
public class Agent {
  private static final CountDownLatch stopped = new CountDownLatch(1);

  public static void main(String[] args) throws InterruptedException {
    System.out.println("agent");
    Report.args(args);
    stopped.await();
    System.out.println("agent ends");
  }

  public static void stop() {
    System.out.println("stop");
    stopped.countDown();
  }
}
