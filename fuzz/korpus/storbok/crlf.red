Bokföring 2012
1;120101;1250,5;1930;3010;0;Försäljning kontant
2;120102;-0,01;3010;1930;10;Text; med semikolon
