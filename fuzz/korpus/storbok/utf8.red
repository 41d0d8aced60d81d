Bokföring UTF-8
1;120101;99,99;1930;3010;0;Återbetalning €
