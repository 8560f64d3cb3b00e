package scenario;

public class Worker {
  public static void main(String[] args) {
    new Thread(Worker::work).start();
    System.out.println("main returns");
  }

  static void work() {
    try {
      Thread.sleep(700);
    } catch (InterruptedException e) {
      return;
    }
    System.out.println("worker done");
  }
}
