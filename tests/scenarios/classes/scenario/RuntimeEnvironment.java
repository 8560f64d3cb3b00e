package scenario;

public class RuntimeEnvironment {
  public static void main(String[] args) {
    Report.env("ZQ_JVM_PATH");
    Report.env("ZQ_JVM_HOME");
  }
}
